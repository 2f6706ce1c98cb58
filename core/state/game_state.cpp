#include "state/game_state.h"

#include <utility>

#include "state/shift_jis_literal.h"
#include "state/strings.h"

namespace kelmar {

void ThrowOutOfRange(int64_t index, int first, int last) {
    throw RangeError(MessageWords{wd<"番号 {index} は範囲外です ({first}..{last})">,
                                  {{"index", IntToStr(index), {}, {}},
                                   {"first", IntToStr(first), {}, {}},
                                   {"last", IntToStr(last), {}, {}}}});
}

namespace {

// Rank codes are one byte each: two of them trade that byte, which costs far
// less than exchanging the strings whole.
void ExchangeTexts(std::string& a, std::string& b) {
    if (a.size() == 1 && b.size() == 1)
        std::swap(a[0], b[0]);
    else
        a.swap(b);
}

}  // namespace

void ExchangeRecords(GameState& s, int a, int b) {
    using std::swap;
    for (const SlotIntegerField& field : kSlotIntegerFields)
        swap((s.*field.values)[a], (s.*field.values)[b]);
    for (const SlotStringField& field : kSlotStringFields)
        ExchangeTexts((s.*field.values)[a], (s.*field.values)[b]);
}

}  // namespace kelmar
