#include "state/random.h"

#include <ctime>

namespace kelmar {

int32_t SystemClock::MillisecondOfDay() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const int64_t secondOfDay = static_cast<int64_t>(now.tv_sec) % 86400;
    return static_cast<int32_t>(secondOfDay * 1000 + now.tv_nsec / 1000000);
}

}  // namespace kelmar
