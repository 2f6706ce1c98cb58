#include "state/checked_sum.h"

#include <string>

#include "state/errors.h"
#include "state/shift_jis_literal.h"
#include "state/strings.h"

namespace kelmar {

void ThrowSumOutOfRange(int32_t value, int64_t delta, std::string_view field, int slot) {
    const std::string name =
        slot > 0 ? std::string(field) + "[" + IntToStr(slot) + "]" : std::string(field);
    throw RangeError(MessageWords{wd<"{name} の値 {value} に {delta} を足すと範囲外です">,
                                  {{"name", name, {}, {}},
                                   {"value", IntToStr(value), {}, {}},
                                   {"delta", IntToStr(delta), {}, {}}}});
}

}  // namespace kelmar
