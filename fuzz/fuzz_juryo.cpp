#include <cstdint>
#include <string>

#include "state/errors.h"
#include "state/roster.h"
#include "state/strings.h"

// The juryo names: 27 list items, each the display name of its entry, or a
// name whose portrait number is below 1 refused.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto file =
        kelmar::TextReader::FromBytes(std::string(reinterpret_cast<const char*>(data), size));
    kelmar::GameState state;
    try {
        const auto items = kelmar::LoadJuryoNamesFrom(state, file);
        if (items.size() != static_cast<size_t>(kelmar::kJuryo))
            __builtin_trap();
        for (int i = 1; i <= kelmar::kJuryo; ++i) {
            if (items[static_cast<size_t>(i - 1)].size() > state.Juryo[i].size())
                __builtin_trap();
            int32_t portrait = 0;
            if (kelmar::TryPortraitNumber(state.Juryo[i], portrait) && portrait < 1)
                __builtin_trap();
        }
    } catch (const kelmar::RangeError&) {
    }
    return 0;
}
