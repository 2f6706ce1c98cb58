#include "basho/procedures.h"

namespace kelmar {

std::string TogglePause(GameState& s) {
    s.Paused = s.Paused ? 0 : 1;
    return s.Paused ? "再開" : "停止";
}

}  // namespace kelmar
