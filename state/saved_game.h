// The saved game "Kelmar.ini" and the top-ten table "Rank.txt".
#pragma once

#include <string>

#include "state/frontend.h"
#include "state/game_state.h"
#include "state/text_file.h"

namespace kelmar {

// state/saved_game.cpp
void SaveGame(const GameState& state);

// What the main window shows of a resumed game.
struct ResumedGame {
    bool practice = false;  // KT1's check mark: the practice level
    std::string score;      // lblMyP's caption, shown
};

// Resuming is LoadGame and then the basho driver, RunBasho. LoadGame shows
// nothing: its caller shows what it returns. The main window takes its two
// steps one by one, because it hides PlayerOkButton and sets KT1 as soon as
// the saved game is read, even when the pairing table then fails.
ResumedGame LoadGame(GameState& state);
// The first step: the state read from the saved game; returns whether the
// practice level is on. Refused while a basho runs, and when no game was
// saved; then nothing changes.
bool ReadSavedGame(GameState& state);
// The second step: the pairing table read again and the career taken up;
// returns lblMyP's caption. A pairing table that fails keeps what was read.
std::string TakeUpSavedGame(GameState& state);

// state/top_ten.cpp
void LoadTopTen(GameState& state);
// The same reading over a file already open (for the fuzzers and tests).
void LoadTopTenFrom(GameState& state, TextReader& file);
void EnterTopTen(GameState& state, Frontend& frontend);
void SaveTopTen(const GameState& state);
// The bytes SaveTopTen writes.
std::string TopTenBytes(const GameState& state);

}  // namespace kelmar
