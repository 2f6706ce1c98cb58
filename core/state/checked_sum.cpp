#include "state/checked_sum.h"

#include <string>

#include "state/errors.h"
#include "state/shift_jis_literal.h"
#include "state/strings.h"

namespace kelmar {

void ThrowSumOutOfRange(int32_t value, int64_t delta, std::string_view field, int slot) {
    const std::string name =
        slot > 0 ? std::string(field) + "[" + IntToStr(slot) + "]" : std::string(field);
    throw RangeError(name + sj<" の値 "> + IntToStr(value) + sj<" に "> + IntToStr(delta) +
                     sj<" を足すと範囲外です">);
}

}  // namespace kelmar
