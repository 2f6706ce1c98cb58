// Sums of a rikishi's figures that are stored back into his record. The rules
// only ever add small amounts to small figures; a figure read from a broken
// saved game may be near the edge of 32 bits, and such a sum is refused with
// a clear message instead of wrapping round.
#pragma once

#include <cstdint>
#include <string_view>

namespace kelmar {

// value + delta, or RangeError naming the field, the slot (0 for a season
// figure) and the value.
int32_t CheckedSum(int32_t value, int64_t delta, std::string_view field, int slot);

}  // namespace kelmar
