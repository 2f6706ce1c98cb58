#include <cstdint>
#include <string>

#include "state/errors.h"
#include "state/roster.h"

// The pairing table, then every pair of every day read from it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto file = kelmar::TextReader::FromBytes(std::string(reinterpret_cast<const char*>(data), size));
    kelmar::GameState state;
    kelmar::LoadMatchTableFrom(state, file);
    return 0;
}
