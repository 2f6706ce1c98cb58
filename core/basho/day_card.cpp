#include <array>

#include "basho/procedures.h"
#include "basho/report_wordings.h"
#include "state/picture_sheet.h"
#include "state/shift_jis_literal.h"
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

// Two decimal digits, the usual form of a slot field and of portrait
// digits; -1 for any other pair of bytes, which the full reading then takes.
inline int32_t TwoDigits(const char* text) {
    const unsigned tens = static_cast<unsigned char>(text[0]) - unsigned{'0'};
    const unsigned units = static_cast<unsigned char>(text[1]) - unsigned{'0'};
    return tens < 10 && units < 10 ? static_cast<int32_t>(10 * tens + units) : -1;
}

// The portrait of a slot already known to be in the league, when its name
// ends in two digits that number a figure; -1 otherwise.
inline int32_t PlainFigureOf(const GameState& state, int32_t slot) {
    const std::string& name = state.NameOfWres[slot];
    if (name.size() < 2)
        return -1;
    const int32_t portrait = TwoDigits(name.data() + name.size() - 2);
    return portrait >= 1 && kHasFigure[static_cast<size_t>(portrait)] ? portrait : -1;
}

// Pair i of the card the way the rules read it, field by field, each
// mistake refused in its turn.
void ReadCardPair(const GameState& state, int i, CardPair& pair) {
    const DayPair slots = DayCardPair(state, state.Torikumiday, i);
    pair.eastSlot = slots.east;
    pair.westSlot = slots.west;
    pair.eastPortrait = FigureOf(state, slots.east);
    pair.westPortrait = FigureOf(state, slots.west);
}

}  // namespace

DayPair DayCardPair(const GameState& state, int day, int pair) {
    const std::string& line = state.Match[day];
    const int64_t at = 4 * static_cast<int64_t>(pair) - 3;
    return DayPair{StrToInt(CopyView(line, at, 2)), StrToInt(CopyView(line, at + 2, 2))};
}

DayCard DayCardOf(const GameState& state) {
    DayCard card;
    card.month = 2 * static_cast<int64_t>(state.Basyo6) + 1;
    card.day = state.Torikumiday;
    const std::string& line = state.Match[state.Torikumiday];
    // A line of sixteen pairs of two-digit slots whose names end in the
    // digits of a figure is read at once; any other pair, field by field.
    // The card is read on every day of every basho, and the field-by-field
    // reading alone would cost a simulated basho about a tenth of its time.
    const bool wholeLine = line.size() >= 4 * size_t{kBoutsADay};
    for (int i = 1; i <= kBoutsADay; ++i) {
        CardPair& pair = card.pairs[static_cast<size_t>(i - 1)];
        if (wholeLine) {
            const char* field = line.data() + 4 * (i - 1);
            const int32_t east = TwoDigits(field);
            const int32_t west = TwoDigits(field + 2);
            if (east >= 1 && east <= kSlots && west >= 1 && west <= kSlots) {
                pair.eastSlot = east;
                pair.westSlot = west;
                pair.eastPortrait = PlainFigureOf(state, east);
                pair.westPortrait = PlainFigureOf(state, west);
                if (pair.eastPortrait > 0 && pair.westPortrait > 0) [[likely]]
                    continue;
            }
        }
        ReadCardPair(state, i, pair);
    }
    return card;
}

std::string DayCaption(const DayCard& card) {
    return Japanese(kDayCaption, {{"month", IntToStr(card.month)}, {"day", IntToStr(card.day)}});
}

}  // namespace kelmar
