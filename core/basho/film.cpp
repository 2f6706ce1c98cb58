#include "basho/procedures.h"
#include "state/wording.h"

namespace kelmar {

std::string TogglePause(GameState& s) {
    s.Paused = s.Paused ? 0 : 1;
    return std::string(s.Paused ? wd<"再開">.japanese : wd<"停止">.japanese);
}

}  // namespace kelmar
