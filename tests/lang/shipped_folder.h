// Every test of this program runs in a game folder holding the shipped data,
// romaji.txt among them: the faces' names are read from the game folder once,
// at their first use.
#pragma once

#include <string>
#include <vector>

#include "state/game_state.h"

namespace kelmar::testing {

// The display names of the shipped roster, slot 1 first, and of the juryo.
std::vector<std::string> ShippedRosterNames();
std::vector<std::string> ShippedJuryoNames();
// A league with the shipped names: the roster in slots 1..31, the first juryo
// in slot 32, the juryo after it in Juryo[].
GameState LeagueOfShippedNames();

}  // namespace kelmar::testing
