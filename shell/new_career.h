// The steps of a new career that change the game state. The main window's
// handlers call them and set their own controls around them.
#pragma once

#include <string>
#include <vector>

#include "basho/frontend.h"
#include "state/game_state.h"

namespace kelmar {

// KN1Click's state steps: MyP, Zaii[32], Yusyo[32] to 0, the juryo names read
// (returned for the list box), RosterLoaded to 0.
std::vector<std::string> NewGame(GameState& state);

// JuryoListClick with juryo entry k (1..27): slot 32 drawn afresh.
void PickJuryo(GameState& state, int k, Clock& clock);

// PlayerOkButtonClick's state steps: a new career when RosterLoaded is 0,
// then the basho driver.
void ConfirmCareer(GameState& state, Frontend& frontend, Clock& clock);

}  // namespace kelmar
