#include "state/frontend.h"

#include "state/saved_game.h"

namespace kelmar {

void Frontend::CareerEnds(const GameState& state) {
    SaveTopTen(state);
}

}  // namespace kelmar
