// What happens between two basho: assessment, banzuke rewrite, retirement and
// replacement, and the newspaper.
#pragma once

#include <string>

#include "basho/frontend.h"
#include "state/game_state.h"

namespace kelmar {

// banzuke/assessment.cpp
void AssessBasho(GameState& state, Clock& clock);
// banzuke/rewrite.cpp
void RewriteBanzuke(GameState& state);
// banzuke/retirement.cpp: slot is the leaving rikishi's position.
void RetireAndReplace(GameState& state, int slot, Clock& clock);
// banzuke/newspaper.cpp: the page (line ends LF then CR); draws the chance
// headlines and empties the five name lists.
std::string ComposeNewspaper(GameState& state);
void ShowNewspaper(GameState& state, Frontend& frontend);

}  // namespace kelmar
