#include <array>

#include "basho/procedures.h"
#include "state/picture_sheet.h"
#include "state/strings.h"

namespace kelmar {

namespace {

// The portrait numbers with a figure, worked out once when the program is
// built: the card asks for two figures in every bout.
constexpr int kLastNumber = 1000;
constexpr auto kHasFigure = [] {
    std::array<bool, kLastNumber + 1> has{};
    for (int n = 0; n <= kLastNumber; ++n) has[static_cast<size_t>(n)] = sheet::HasFigure(n);
    return has;
}();
static_assert(!sheet::HasFigure(kLastNumber + 1));

// A figure the sheet has no cell for is refused, naming its number, rather
// than left out of the card or cut from the chart's strip below the figures.
int32_t FigureOf(const GameState& state, int32_t slot) {
    const int32_t portrait = SheetPortraitNumber(state.NameOfWres[slot]);
    if (portrait > kLastNumber || !kHasFigure[static_cast<size_t>(portrait)]) [[unlikely]]
        ThrowNoPortraitCell(portrait);
    return portrait;
}

}  // namespace

DayPair DayCardPair(const GameState& state, int day, int pair) {
    const std::string& line = state.Match[day];
    const int64_t at = 4 * static_cast<int64_t>(pair) - 3;
    // A whole pair of fields, the common case, is read in place.
    if (at >= 1 && static_cast<uint64_t>(at + 3) <= line.size()) [[likely]] {
        const char* field = line.data() + at - 1;
        return DayPair{StrToInt(std::string_view(field, 2)),
                       StrToInt(std::string_view(field + 2, 2))};
    }
    return DayPair{StrToInt(CopyView(line, at, 2)), StrToInt(CopyView(line, at + 2, 2))};
}

DayCard DayCardOf(const GameState& state) {
    DayCard card;
    card.month = 2 * static_cast<int64_t>(state.Basyo6) + 1;
    card.day = state.Torikumiday;
    for (int i = 1; i <= kBoutsADay; ++i) {
        const DayPair slots = DayCardPair(state, state.Torikumiday, i);
        CardPair& pair = card.pairs[static_cast<size_t>(i - 1)];
        pair.eastSlot = slots.east;
        pair.westSlot = slots.west;
        pair.eastPortrait = FigureOf(state, slots.east);
        pair.westPortrait = FigureOf(state, slots.west);
    }
    return card;
}

std::string DayCaption(const DayCard& card) {
    return IntToStr(card.month) + "月場所" + IntToStr(card.day) + "日目";
}

}  // namespace kelmar
