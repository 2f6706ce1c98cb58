#include "state/checked_sum.h"

#include <limits>
#include <string>

#include "state/errors.h"
#include "state/strings.h"

namespace kelmar {

int32_t CheckedSum(int32_t value, int64_t delta, std::string_view field, int slot) {
    const int64_t sum = int64_t{value} + delta;
    if (sum < std::numeric_limits<int32_t>::min() || sum > std::numeric_limits<int32_t>::max()) {
        const std::string name =
            slot > 0 ? std::string(field) + "[" + IntToStr(slot) + "]" : std::string(field);
        throw RangeError(name + " の値 " + IntToStr(value) + " に " + IntToStr(delta) +
                         " を足すと範囲外です");
    }
    return static_cast<int32_t>(sum);
}

}  // namespace kelmar
