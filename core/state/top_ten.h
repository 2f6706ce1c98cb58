// The top-ten table "Rank.txt": ten names and scores, read at program start
// and entered at the end of every career.
#pragma once

#include <string>

#include "state/frontend.h"
#include "state/game_state.h"
#include "state/text_file.h"

namespace kelmar {

void LoadTopTen(GameState& state);
// The same reading over a file already open (for the fuzzers and tests).
void LoadTopTenFrom(GameState& state, TextReader& file);
void EnterTopTen(GameState& state, Frontend& frontend);
void SaveTopTen(const GameState& state);
// The bytes SaveTopTen writes.
std::string TopTenBytes(const GameState& state);

}  // namespace kelmar
