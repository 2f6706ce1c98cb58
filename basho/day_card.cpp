#include "basho/procedures.h"
#include "state/strings.h"

namespace kelmar {

DayPair DayCardPair(const GameState& state, int day, int pair) {
    const std::string& line = state.Match[day];
    const int64_t at = 4 * static_cast<int64_t>(pair) - 3;
    return DayPair{StrToInt(Copy(line, at, 2)), StrToInt(Copy(line, at + 2, 2))};
}

namespace {

int32_t FigureOf(const GameState& state, int32_t slot) {
    const int32_t portrait = PortraitNumber(state.NameOfWres[slot]);
    if (portrait < 1) throw NoSheetCell("四股名の番号", portrait);
    return portrait;
}

}  // namespace

PairFigures DayCardFigures(const GameState& state, int day, int pair) {
    const DayPair slots = DayCardPair(state, day, pair);
    const int32_t east = FigureOf(state, slots.east);
    return PairFigures{east, FigureOf(state, slots.west)};
}

}  // namespace kelmar
