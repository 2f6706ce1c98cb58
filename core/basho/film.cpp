#include "basho/procedures.h"
#include "state/shift_jis_literal.h"

namespace kelmar {

std::string TogglePause(GameState& s) {
    s.Paused = s.Paused ? 0 : 1;
    return s.Paused ? sj<"再開"> : sj<"停止">;
}

}  // namespace kelmar
