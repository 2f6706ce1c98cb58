#include <cstdint>
#include <string>

#include "state/errors.h"
#include "state/top_ten.h"

// The top-ten file: a table, or the error of a score that is not a number.
// A table read back from the bytes a save writes is the same table.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto file =
        kelmar::TextReader::FromBytes(std::string(reinterpret_cast<const char*>(data), size));
    kelmar::GameState state;
    try {
        kelmar::LoadTopTenFrom(state, file);
    } catch (const kelmar::InOutError& e) {
        if (e.code() != 106)
            __builtin_trap();
        return 0;
    }
    auto saved = kelmar::TextReader::FromBytes(kelmar::TopTenBytes(state));
    kelmar::GameState again;
    kelmar::LoadTopTenFrom(again, saved);
    if (!(again.TopTenNames == state.TopTenNames) || !(again.TopTenScores == state.TopTenScores))
        __builtin_trap();
    return 0;
}
