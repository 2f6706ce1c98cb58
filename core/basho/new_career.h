// The steps of a new career that change the game state. The main window's
// handlers call them and set their own controls around them.
#pragma once

#include <string>
#include <vector>

#include "state/frontend.h"
#include "state/game_state.h"
#include "state/roster.h"

namespace kelmar {

// The league's data files are read from `files`: the disk, as the game reads
// them, unless a headless run hands over a source of its own.

// KN1Click's state steps: MyP, Zaii[32], Yusyo[32] to 0, the juryo names read
// (returned for the list box), RosterLoaded to 0.
std::vector<std::string> NewGame(GameState& state, LeagueFiles& files = DiskLeagueFiles());

// JuryoListClick with juryo entry k (1..27): slot 32 drawn afresh.
void PickJuryo(GameState& state, int k, Clock& clock);

// The confirm's league step: for a new career (RosterLoaded 0) the pairing
// table and the roster read and the season and every record reset; between
// two basho (RosterLoaded 1) nothing. Refused while a basho runs.
void CompleteLeague(GameState& state, LeagueFiles& files = DiskLeagueFiles());

// PlayerOkButtonClick's state steps: CompleteLeague, then the basho driver.
void ConfirmCareer(GameState& state, Frontend& frontend, Clock& clock,
                   LeagueFiles& files = DiskLeagueFiles());

}  // namespace kelmar
