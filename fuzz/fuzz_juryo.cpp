#include <cstdint>
#include <string>

#include "state/errors.h"
#include "state/roster.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto file = kelmar::TextReader::FromBytes(std::string(reinterpret_cast<const char*>(data), size));
    kelmar::GameState state;
    const auto items = kelmar::LoadJuryoNamesFrom(state, file);
    if (items.size() != static_cast<size_t>(kelmar::kJuryo)) __builtin_trap();
    for (int i = 1; i <= kelmar::kJuryo; ++i)
        if (items[static_cast<size_t>(i - 1)].size() > state.Juryo[i].size()) __builtin_trap();
    return 0;
}
