// The game's one random generator and the clock it is reseeded from.
#pragma once

#include <cstdint>

namespace kelmar {

// The time of day, read when the generator is reseeded. The game reads the
// system's UTC clock; tests and the simulator give a fixed or scripted one.
class Clock {
  public:
    virtual ~Clock() = default;
    // Milliseconds since midnight, 0 .. 86,399,999.
    virtual int32_t MillisecondOfDay() = 0;
};

class SystemClock : public Clock {
  public:
    int32_t MillisecondOfDay() override;
};

// A 32-bit linear congruential generator: state x 134775813 + 1 modulo 2^32,
// then the high 32 bits of the 64-bit product of the new state and N.
class Random {
  public:
    uint32_t state = 0;

    // A uniform integer 0 .. n-1. The range is taken as unsigned, as the
    // multiplication is; n of 0 gives 0.
    int32_t Draw(int32_t n) {
        state = state * 134775813u + 1u;
        return static_cast<int32_t>((static_cast<uint64_t>(state) * static_cast<uint32_t>(n)) >>
                                    32);
    }

    void Reseed(Clock& clock) { state = static_cast<uint32_t>(clock.MillisecondOfDay()); }
};

}  // namespace kelmar
