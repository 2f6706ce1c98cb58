// Sums of a rikishi's figures that are stored back into his record. The rules
// only ever add small amounts to small figures; a figure read from a broken
// saved game may be near the edge of 32 bits, and such a sum is refused with
// a clear message instead of wrapping round.
#pragma once

#include <cstdint>
#include <limits>
#include <string_view>

namespace kelmar {

// Raises the RangeError of a sum out of range; kept out of line so that the
// sum itself, done for every bout, stays a few instructions.
[[noreturn]] void ThrowSumOutOfRange(int32_t value, int64_t delta, std::string_view field,
                                     int slot);

// value + delta, or RangeError naming the field, the slot (0 for a season
// figure) and the value.
inline int32_t CheckedSum(int32_t value, int64_t delta, std::string_view field, int slot) {
    const int64_t sum = int64_t{value} + delta;
    if (sum < std::numeric_limits<int32_t>::min() || sum > std::numeric_limits<int32_t>::max())
        [[unlikely]]
        ThrowSumOutOfRange(value, delta, field, slot);
    return static_cast<int32_t>(sum);
}

}  // namespace kelmar
