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
// One row of the banzuke chart: the cells of the picture sheet that a slot
// needs, in the order they are drawn.
struct ChartRow {
    int32_t rank = 0;      // rank code 1..5
    int32_t wins = 0;      // 0..15; drawn red from 8
    int32_t losses = 0;    // 0..15
    int32_t stars = 0;     // 0..4
    int32_t portrait = 0;  // 1 and up; the sheet's plates bound it from above
    bool player = false;   // the plate drawn blue
};
// banzuke/chart_rows.cpp: ConversionError for a rank code or portrait digits
// that are no number, RangeError naming a value that has no cell.
ChartRow ChartRowOf(const GameState& state, int slot);

// banzuke/newspaper.cpp: the page (line ends LF then CR), composed in the
// state's PaperPage; draws the chance headlines and empties the five name lists.
const std::string& ComposeNewspaper(GameState& state);
void ShowNewspaper(GameState& state, Frontend& frontend);

}  // namespace kelmar
