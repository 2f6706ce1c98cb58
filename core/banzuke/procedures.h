// What happens between two basho: assessment, banzuke rewrite, retirement and
// replacement, and the newspaper.
#pragma once

#include <string>

#include "state/frontend.h"
#include "state/game_state.h"

namespace kelmar {

// banzuke/assessment.cpp
void AssessBasho(GameState& state, Clock& clock);
// banzuke/rewrite.cpp
void RewriteBanzuke(GameState& state);
// banzuke/retirement.cpp: slot is the leaving rikishi's position.
void RetireAndReplace(GameState& state, int slot, Clock& clock);
// banzuke/chart_rows.cpp: the chart's row of a slot. ConversionError for a
// rank code or portrait digits that are no number, RangeError naming a value
// the picture sheet has no cell for.
ChartRow ChartRowOf(const GameState& state, int slot);
// The 32 rows, slot 1 first.
ChartRows ChartRowsOf(const GameState& state);
// The rows of the evening's chart, or the message refusing them.
DailyChart DailyChartOf(const GameState& state);

// banzuke/newspaper.cpp: the page (line ends LF then CR), composed in `page`
// or returned; draws the chance headlines and empties the five name lists.
void ComposeNewspaper(GameState& state, std::string& page);
std::string ComposeNewspaper(GameState& state);
void ShowNewspaper(GameState& state, Frontend& frontend);

}  // namespace kelmar
