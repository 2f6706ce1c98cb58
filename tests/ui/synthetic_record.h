// Careers made up for the record's windows: fed to a CareerRecord through its
// moments, as the game feeds it, without playing the basho.
#pragma once

#include <cstdint>
#include <string>

namespace kelmar {
class CareerRecord;
}

namespace kelmar::testing {

// A career of `basho` basho that climbs from the bottom of the maegashira and
// falls back, with wins drawn from `seed`, championships where a high rank
// won 13 or more, and retirement at the end when `retire` is set.
void RecordSyntheticCareer(CareerRecord& record, const std::string& shikona, int basho,
                           uint32_t seed, bool retire = true);

}  // namespace kelmar::testing
