#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "basho/procedures.h"
#include "silent_frontend.h"
#include "state/errors.h"
#include "state/saved_game.h"

namespace {

namespace fs = std::filesystem;

struct NoonClock : kelmar::Clock {
    int32_t MillisecondOfDay() override { return 43'200'000; }
};

std::string folder;

void RemoveFolder() {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

}  // namespace

// The game folder of the whole run: the shipped pairing table and roster, and
// a fresh Kelmar.ini for every input. The game reads its folder from the
// current directory, so the fuzzer changes into it: give the corpus folder as
// an absolute path.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string pattern = (fs::temp_directory_path() / "kelmar-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        std::abort();
    folder = pattern;
    std::atexit(RemoveFolder);
    for (const char* name : {"Match.txt", "Wrestler.txt"})
        fs::copy_file(fs::path(KELMAR_DATA_DIR) / name, fs::path(folder) / name);
    fs::current_path(folder);
    return 0;
}

// Any saved game is loaded and its basho played, or ends in the game's error.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::FILE* ini = std::fopen("Kelmar.ini", "wb");
    if (ini == nullptr || std::fwrite(data, 1, size, ini) != size || std::fclose(ini) != 0)
        std::abort();

    kelmar::GameState state;
    kelmar::fuzzing::SilentFrontend frontend(state);
    NoonClock clock;
    try {
        kelmar::LoadGame(state);
        kelmar::RunBasho(state, frontend, clock);
    } catch (const kelmar::GameError&) {
        if (state.BashoRunning)
            __builtin_trap();
        return 0;
    }
    if (frontend.bashoEnded == 1) {
        // The shipped table pairs every slot once a day: 16 wins a day.
        int64_t wins = 0;
        for (int i = 1; i <= kelmar::kSlots; ++i) wins += state.W[i];
        if (wins != 16 * kelmar::kDays || state.Torikumiday != kelmar::kDays)
            __builtin_trap();
    } else if (frontend.bashoEnded != 0 || frontend.careerReports > 1) {
        __builtin_trap();
    }
    return 0;
}
