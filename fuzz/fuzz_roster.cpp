#include <cstdint>
#include <string>

#include "state/errors.h"
#include "state/roster.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto file =
        kelmar::TextReader::FromBytes(std::string(reinterpret_cast<const char*>(data), size));
    kelmar::GameState state;
    try {
        kelmar::LoadRosterFrom(state, file);
        if (state.RosterLoaded != 1 || state.LastWin != 1)
            __builtin_trap();
    } catch (const kelmar::GameError&) {
        if (state.RosterLoaded != 0)
            __builtin_trap();
    }
    return 0;
}
