// The saved game "Kelmar.ini".
#pragma once

#include <string>

#include "state/game_state.h"
#include "state/ini.h"

namespace kelmar {

void SaveGame(const GameState& state);
// The saved game as SaveGame puts it on disk, composed in memory: SaveGame is
// this and then its Flush. Raises IniWriteError when the old file cannot be
// read, so that its other lines are never lost.
IniFile ComposeSavedGame(const GameState& state);

// What the home shows beside its resume button, read from the saved game
// without touching the game state: whether "Kelmar.ini" is there, and the
// player's rikishi it holds (display name, rank word, the year and month of
// his last basho). A file that cannot be read, or that holds no player's
// rikishi with a rank and a calendar, leaves the details empty.
struct SavedGameGlance {
    bool exists = false;
    std::string shikona;  // empty: no details
    std::string rank;
    int32_t nengo = 0;
    int32_t month = 0;
};
SavedGameGlance GlanceAtSavedGame();

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

}  // namespace kelmar
