// What the banzuke chart shows of each slot. A value the picture sheet has no
// cell for is refused, naming it, rather than drawn from elsewhere on the
// sheet or left out without a word.
#include <algorithm>

#include "banzuke/procedures.h"
#include "state/picture_sheet.h"
#include "state/shift_jis_literal.h"
#include "state/strings.h"

namespace kelmar {
namespace {

constexpr int32_t kMaxStars = 4, kExperiencePerStar = 10;

int32_t Digit(int64_t value, const Wording& what) {
    if (value < 0 || value >= sheet::kDigits)
        throw NoSheetCell(what, value);
    return static_cast<int32_t>(value);
}

}  // namespace

ChartRow ChartRowOf(const GameState& s, int slot) {
    ChartRow row;
    row.rank = StrToInt(s.Stage[slot]);
    if (row.rank < 1 || row.rank > sheet::kRanks)
        throw NoSheetCell(wd<"番付", "sheet cell">, row.rank);
    row.wins = Digit(s.W[slot], wd<"勝ち数", "sheet cell">);
    row.losses = Digit(int64_t{s.Torikumiday} - s.W[slot], wd<"負け数", "sheet cell">);
    row.stars = std::clamp(s.E[slot] / kExperiencePerStar, 0, kMaxStars);
    row.portrait = SheetPortraitNumber(s.NameOfWres[slot]);
    if (!sheet::HasPlate(row.portrait))
        throw NoPortraitCell(row.portrait);
    // The chart's blue plate takes an age of 100 or more for the player's,
    // one more than the rest of the game does.
    row.player = s.Age[slot] >= kPlayerAgeMark;
    return row;
}

ChartRows ChartRowsOf(const GameState& s) {
    ChartRows rows;
    for (int slot = 1; slot <= kSlots; ++slot)
        rows[static_cast<size_t>(slot - 1)] = ChartRowOf(s, slot);
    return rows;
}

DailyChart DailyChartOf(const GameState& s) {
    DailyChart chart;
    try {
        chart.rows = ChartRowsOf(s);
    } catch (const GameError& refusal) {
        chart.refusal = refusal.what();
    }
    return chart;
}

}  // namespace kelmar
