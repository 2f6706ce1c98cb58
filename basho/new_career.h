// The steps of a new career that change the game state. The main window's
// handlers call them and set their own controls around them.
#pragma once

#include <string>
#include <vector>

#include "state/frontend.h"
#include "state/game_state.h"

namespace kelmar {

// KN1Click's state steps: MyP, Zaii[32], Yusyo[32] to 0, the juryo names read
// (returned for the list box), RosterLoaded to 0.
std::vector<std::string> NewGame(GameState& state);

// JuryoListClick with juryo entry k (1..27): slot 32 drawn afresh.
void PickJuryo(GameState& state, int k, Clock& clock);

// The confirm's league step: for a new career (RosterLoaded 0) the pairing
// table and the roster read and the season and every record reset; between
// two basho (RosterLoaded 1) nothing. Refused while a basho runs.
void CompleteLeague(GameState& state);

// PlayerOkButtonClick's state steps: CompleteLeague, then the basho driver.
void ConfirmCareer(GameState& state, Frontend& frontend, Clock& clock);

}  // namespace kelmar
