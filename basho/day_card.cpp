#include "basho/procedures.h"
#include "state/strings.h"

namespace kelmar {

DayPair DayCardPair(const GameState& state, int day, int pair) {
    const std::string& line = state.Match[day];
    const int64_t at = 4 * static_cast<int64_t>(pair) - 3;
    return DayPair{StrToInt(Copy(line, at, 2)), StrToInt(Copy(line, at + 2, 2))};
}

PairFigures DayCardFigures(const GameState& state, int day, int pair) {
    const DayPair slots = DayCardPair(state, day, pair);
    const int32_t east = SheetPortraitNumber(state.NameOfWres[slots.east]);
    return PairFigures{east, SheetPortraitNumber(state.NameOfWres[slots.west])};
}

}  // namespace kelmar
