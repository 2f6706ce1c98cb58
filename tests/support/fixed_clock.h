// A clock that always reads the same time of day, so that a reseed of the
// generator is repeatable in a test.
#pragma once

#include <cstdint>

#include "state/random.h"

namespace kelmar::testing {

struct FixedClock : Clock {
    explicit FixedClock(int32_t ms = 0) : millisecond(ms) {}
    int32_t MillisecondOfDay() override {
        ++reads;
        return millisecond;
    }
    int32_t millisecond;
    int reads = 0;
};

}  // namespace kelmar::testing
