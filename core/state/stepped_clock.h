// A clock that steps: the k-th reading of a run (k = 0, 1, ...) gives the
// time of day START + k x STEP milliseconds, wrapped at midnight. Every reseed
// of the generator reads it once, so a run is repeatable to the draw.
#pragma once

#include <cstdint>

#include "state/random.h"

namespace kelmar {

inline constexpr int64_t kMillisecondsPerDay = 86'400'000;

class SteppedClock : public Clock {
  public:
    SteppedClock(int64_t start, int64_t step) : start_(FloorMod(start)), step_(FloorMod(step)) {}

    int32_t MillisecondOfDay() override {
        // Each factor is below a day, so the product stays far inside 64 bits.
        const int64_t time = (start_ + FloorMod(readings_) * step_) % kMillisecondsPerDay;
        ++readings_;
        return static_cast<int32_t>(time);
    }

    int64_t readings() const { return readings_; }

  private:
    static int64_t FloorMod(int64_t v) {
        const int64_t r = v % kMillisecondsPerDay;
        return r < 0 ? r + kMillisecondsPerDay : r;
    }

    int64_t start_;
    int64_t step_;
    int64_t readings_ = 0;
};

}  // namespace kelmar
