#include <cstdint>
#include <string>

#include "basho/procedures.h"
#include "state/errors.h"
#include "state/roster.h"

// The pairing table, then every pair of every day read from it. A table that
// names a slot outside the league is refused when it is read; from one that is
// read, a field is a slot of the league or the conversion error.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto file =
        kelmar::TextReader::FromBytes(std::string(reinterpret_cast<const char*>(data), size));
    kelmar::GameState state;
    try {
        kelmar::LoadMatchTableFrom(state, file);
    } catch (const kelmar::RangeError&) {
        return 0;
    }
    for (int day = 1; day <= kelmar::kDays; ++day) {
        for (int pair = 1; pair <= 16; ++pair) {
            try {
                const kelmar::DayPair p = kelmar::DayCardPair(state, day, pair);
                if (p.east < 1 || p.east > kelmar::kSlots || p.west < 1 || p.west > kelmar::kSlots)
                    __builtin_trap();
            } catch (const kelmar::ConversionError&) {
            }
        }
    }
    return 0;
}
