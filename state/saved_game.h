// The saved game "Kelmar.ini" and the top-ten table "Rank.txt".
#pragma once

#include <string>

#include "basho/frontend.h"
#include "state/game_state.h"
#include "state/text_file.h"

namespace kelmar {

// state/saved_game.cpp
void SaveGame(const GameState& state);
void LoadGame(GameState& state, Frontend& frontend, Clock& clock);
// The first part of LoadGame: PlayerOkButton hidden, the state read from the
// saved game and the practice check set. Refused while a basho runs, and when
// no game was saved; then nothing changes.
void ReadSavedGame(GameState& state, Frontend& frontend);

// state/top_ten.cpp
void LoadTopTen(GameState& state);
// The same reading over a file already open (for the fuzzers and tests).
void LoadTopTenFrom(GameState& state, TextReader& file);
void EnterTopTen(GameState& state, Frontend& frontend);
void SaveTopTen(const GameState& state);
// The bytes SaveTopTen writes.
std::string TopTenBytes(const GameState& state);

}  // namespace kelmar
