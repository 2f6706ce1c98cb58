// The procedures of one basho, free functions over the game state. Each is
// implemented in the file named beside it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "state/frontend.h"
#include "state/game_state.h"
#include "state/roster.h"

namespace kelmar {

struct BoutResult {
    Side winner = Side::East;
    int32_t tactic = 0;  // the winner's tactic code
    int32_t eastTactic = 0;
    int32_t westTactic = 0;
};

struct DayPair {
    int32_t east = 0;
    int32_t west = 0;
};

// What a tick of Timer1 asks the film area to do, in this order.
struct FilmAction {
    bool show = false;  // make Image1 visible
    char letter = 0;    // read this letter's picture and show it (0: none)
    bool hide = false;  // hide Image1
};

// The film, tick by tick of Timer1: the letter of AnimationFrames (0 the
// first) that each tick shows, or none, so that its picture stays. The tick
// after the last of them hides the film and ends it.
inline constexpr int kFilmKeepsItsPicture = -1;
inline constexpr std::array<int, 6> kFilmFrames = {0, 0, 1, 2, kFilmKeepsItsPicture, 2};
inline constexpr int kFilmTicks = static_cast<int>(kFilmFrames.size()) + 1;

// basho/day_card.cpp: pair i (1..16) of day d (1..15).
DayPair DayCardPair(const GameState& state, int day, int pair);
// The card of day Torikumiday, its pairs in the order they are drawn:
// ConversionError for a field or portrait digits that are no number,
// RangeError naming a slot outside the league or a portrait number without a
// figure on the sheet. Without figures (nobody watches the scoreboard) the
// portraits are left 0 and not read.
DayCard DayCardOf(const GameState& state);
// lblBasyo's caption, e.g. 5月場所3日目.
std::string DayCaption(const DayCard& card);

// basho/bout.cpp: one bout between EastSlot and WestSlot; three draws.
BoutResult ResolveBout(GameState& state, Frontend& frontend);

// One tick of Timer1. (Defined below, inline: a caller that only lets the
// film run, as a headless player does, then leaves the action unbuilt.)
inline FilmAction FilmTick(GameState& state);
// basho/film.cpp: the pause button; returns btnStop's new caption.
std::string TogglePause(GameState& state);

// basho/tactic.cpp: the tactic window's age line and the reports.
// Twin + Tlose of the slot, the divisor of the win rate and of the score;
// RangeError naming both when they cancel out to 0.
int64_t CareerBouts(const GameState& state, int slot);
TacticQuestion TacticQuestionOf(const GameState& state, int slot);
std::string TacticAgeLine(const TacticQuestion& question);
ReportLines ComposeOpponentReport(const GameState& state);
void OpenOpponentReport(GameState& state, Frontend& frontend);  // Button4Click
ReportLines ComposeCareerReport(const GameState& state, int slot);

// basho/day.cpp: one day of sixteen bouts.
void PlayDay(GameState& state, Frontend& frontend);
// A name label: ConversionError for a rank code that is no number.
BoutSide BoutSideOf(const GameState& state, int slot);

// basho/driver.cpp: one whole basho, from the assessment to the score. A
// career that ends reads the roster afresh from `files`.
void RunBasho(GameState& state, Frontend& frontend, Clock& clock,
              LeagueFiles& files = DiskLeagueFiles());
// The career score of the player's rikishi; false when he has no bout yet.
bool ScorePlayer(GameState& state);
// lblMyP's caption.
std::string ScoreCaption(int32_t score);

inline FilmAction FilmTick(GameState& s) {
    FilmAction action;
    if (s.QuitRequested) {
        s.AnimationRunning = 0;
        return action;
    }
    // A pause between two bouts shows nothing: only a running film steps.
    if (!(s.AnimationRunning == 1 && s.Paused == 0))
        return action;
    action.show = true;
    s.AnimationStep += 1;
    const int32_t step = s.AnimationStep;
    if (step >= 1 && step < kFilmTicks) {
        const int frame = kFilmFrames[static_cast<size_t>(step - 1)];
        if (frame != kFilmKeepsItsPicture && static_cast<size_t>(frame) < s.AnimationFrames.size())
            action.letter = s.AnimationFrames[static_cast<size_t>(frame)];
    } else if (step == kFilmTicks) {
        action.hide = true;
        s.AnimationRunning = 0;
        s.AnimationStep = 0;
    }
    return action;
}

}  // namespace kelmar
