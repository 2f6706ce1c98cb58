#include "state/frontend.h"

#include "state/top_ten.h"

namespace kelmar {

void Frontend::CareerEnds(const GameState& state) {
    SaveTopTen(state);
}

}  // namespace kelmar
