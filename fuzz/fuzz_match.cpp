#include <cstdint>
#include <string>

#include "basho/procedures.h"
#include "state/errors.h"
#include "state/roster.h"

// The pairing table, then every pair of every day read from it: a field is a
// slot or the conversion error, never anything else.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto file = kelmar::TextReader::FromBytes(std::string(reinterpret_cast<const char*>(data), size));
    kelmar::GameState state;
    kelmar::LoadMatchTableFrom(state, file);
    for (int day = 1; day <= kelmar::kDays; ++day) {
        for (int pair = 1; pair <= 16; ++pair) {
            try {
                kelmar::DayCardPair(state, day, pair);
            } catch (const kelmar::ConversionError&) {
            }
        }
    }
    return 0;
}
