#include "state/game_state.h"

#include <utility>

#include "state/strings.h"

namespace kelmar {

void ThrowOutOfRange(int64_t index, int first, int last) {
    throw RangeError("番号 " + IntToStr(index) + " は範囲外です (" + IntToStr(first) + ".." +
                     IntToStr(last) + ")");
}

void ExchangeRecords(GameState& s, int a, int b) {
    using std::swap;
    for (const SlotIntegerField& field : kSlotIntegerFields)
        swap((s.*field.values)[a], (s.*field.values)[b]);
    for (const SlotStringField& field : kSlotStringFields)
        swap((s.*field.values)[a], (s.*field.values)[b]);
}

}  // namespace kelmar
