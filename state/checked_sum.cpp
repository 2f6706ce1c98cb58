#include "state/checked_sum.h"

#include <string>

#include "state/errors.h"
#include "state/shift_jis_literal.h"
#include "state/strings.h"

namespace kelmar {

void ThrowSumOutOfRange(int32_t value, int64_t delta, std::string_view field, int slot) {
    const std::string name =
        slot > 0 ? std::string(field) + "[" + IntToStr(slot) + "]" : std::string(field);
    throw RangeError(name + " の値 "_sj + IntToStr(value) + " に "_sj + IntToStr(delta) +
                     " を足すと範囲外です"_sj);
}

}  // namespace kelmar
