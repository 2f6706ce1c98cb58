// The command line of kelmar-sim.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "sim/scripted_player.h"

namespace kelmar::sim {

struct SimOptions {
    uint32_t seed = 0;  // the generator's state at the start, as at program start
    int64_t clockStart = 0;
    int64_t clockStep = 1000;
    int pick = 1;    // juryo entry 1..27
    int tactic = 1;  // 1..3, or kCycleTactics
    bool practice = false;
    int64_t basho = 1000;  // calls of RunBasho at most
    int64_t careers = 1;   // ended careers at most
    bool stats = false;
    // The game's own files: the top-ten table read at the start and written
    // after every career; a save after call saveAfter (0: none); a resumed
    // saved game instead of the first new career.
    bool files = false;
    int64_t saveAfter = 0;
    bool resume = false;
    // Independent runs, as that many starts of the program; run r starts with
    // the seed plus r and the clock r steps of kRunClockStep later. Given,
    // every line says its run; 0 jobs: one per core.
    int64_t runs = 1;
    bool runsGiven = false;
    int64_t jobs = 0;
    // The career record written for the run; empty for none.
    std::string record;
    bool help = false;
};

// A command line we cannot run; the message names the option and the value.
class UsageError : public std::runtime_error {
  public:
    explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};

SimOptions ParseOptions(const std::vector<std::string>& args);

// How much later, in milliseconds of the day, each run of --runs starts its
// clock than the one before.
inline constexpr int64_t kRunClockStep = 7'777'777;

// The options of run r (counted from 0) of --runs.
SimOptions OptionsOfRun(const SimOptions& options, int64_t run);

// The synopsis, and the full help that --help prints.
extern const char* const kUsageLine;
extern const char* const kHelpText;

}  // namespace kelmar::sim
