#include "sim/options.h"

#include <charconv>
#include <functional>
#include <limits>
#include <optional>
#include <set>

#include "state/game_state.h"
#include "state/stepped_clock.h"

namespace kelmar::sim {

const char* const kUsageLine =
    "usage: kelmar-sim [--seed S] [--clock START[,STEP]] [--pick K] [--tactic 1|2|3|cycle]\n"
    "                  [--practice] [--basho N] [--careers N] [--stats]\n"
    "                  [--files] [--save-after N] [--resume] [--record FILE]\n"
    "                  [--runs N] [--jobs J]\n";

const char* const kHelpText =
    "Plays careers of Kelmar headless with a scripted player, using the data files of the\n"
    "current directory, and writes one JSON line per basho to standard output.\n"
    "\n"
    "  --seed S              the generator's state at the start (0..4294967295; default 0);\n"
    "                        every career begins by reseeding it from the clock, so the\n"
    "                        seed reaches only a game resumed with --resume, and there\n"
    "                        only the draws before the first reseed (when a rikishi\n"
    "                        leaves the league or a new career begins)\n"
    "  --clock START[,STEP]  the k-th reading of the clock is START + k*STEP milliseconds of\n"
    "                        the day, modulo 86400000 (defaults 0 and 1000); the clock\n"
    "                        decides the careers\n"
    "  --pick K              the juryo entry picked for every career (1..27; default 1)\n"
    "  --tactic T            1, 2 or 3 in every bout, or cycle for 1, 2, 3, ... (default 1)\n"
    "  --practice            the practice level on before the first pick or load\n"
    "  --basho N             stop after N calls of RunBasho (default 1000)\n"
    "  --careers N           stop when N careers have ended (default 1)\n"
    "  --stats               print a summary of the run instead of the lines: the length of\n"
    "                        every career in order, and the career in progress\n"
    "  --files               read the top-ten table from Rank.txt at the start and write it\n"
    "                        after every career, as the game does\n"
    "  --save-after N        save the game to Kelmar.ini right after call N of RunBasho,\n"
    "                        unless that call ended a career\n"
    "  --resume              begin by resuming the game saved in Kelmar.ini\n"
    "  --record FILE         keep every career of the run in the career record FILE (SQLite,\n"
    "                        as the game keeps Kelmar.db); careers are added to a FILE that\n"
    "                        exists\n"
    "  --runs N              play N independent runs, as N starts of the program: run r\n"
    "                        (from 0) has the seed S+r and the clock START+r*7777777,\n"
    "                        modulo 86400000, so up to 86400000 runs start from different\n"
    "                        readings; every line begins with \"run\":r. --stats sums the\n"
    "                        runs in a summary whose size does not grow with them: the\n"
    "                        careers counted by length, and the careers still in progress\n"
    "                        when their run ended counted\n"
    "  --jobs J              play the runs on J threads (default: one per core); the\n"
    "                        output is the same for every J\n"
    "  --help                print this text\n"
    "Only --files (Rank.txt), --save-after (Kelmar.ini) and --record (FILE) write to disk.\n";

namespace {

// The whole text must be a decimal integer, optionally signed.
bool ParseInteger(const std::string& text, int64_t& value) {
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    const auto [end, err] = std::from_chars(first, last, value);
    return err == std::errc() && end == last && first != last;
}

int64_t IntegerIn(const std::string& option, const std::string& text, int64_t low, int64_t high) {
    int64_t value = 0;
    if (!ParseInteger(text, value) || value < low || value > high) {
        std::string range = high == std::numeric_limits<int64_t>::max()
                                ? std::to_string(low) + " or more"
                                : "from " + std::to_string(low) + " to " + std::to_string(high);
        throw UsageError(option + " wants a whole number " + range + ", not \"" + text + "\"");
    }
    return value;
}

constexpr int64_t kUnbounded = std::numeric_limits<int64_t>::max();
constexpr int64_t kMaxJobs = 256;

void ParseClock(const std::string& text, SimOptions& o) {
    const size_t comma = text.find(',');
    const std::string start = text.substr(0, comma);
    o.clockStart = IntegerIn("--clock START", start, 0, kUnbounded);
    if (comma != std::string::npos)
        o.clockStep = IntegerIn("--clock STEP", text.substr(comma + 1), 0, kUnbounded);
}

void ParseTactic(const std::string& text, SimOptions& o) {
    if (text == "cycle") {
        o.tactic = kCycleTactics;
    } else if (text == "1" || text == "2" || text == "3") {
        o.tactic = text[0] - '0';
    } else {
        throw UsageError("--tactic wants 1, 2, 3 or cycle, not \"" + text + "\"");
    }
}

using ValueParser = std::function<void(const std::string&, SimOptions&)>;

struct ValueOption {
    const char* name;
    ValueParser parse;
};

const ValueOption kValueOptions[] = {
    {"--seed",
     [](const std::string& v, SimOptions& o) {
         o.seed = static_cast<uint32_t>(IntegerIn("--seed", v, 0, UINT32_MAX));
     }},
    {"--clock", ParseClock},
    {"--pick", [](const std::string& v,
                  SimOptions& o) { o.pick = static_cast<int>(IntegerIn("--pick", v, 1, kJuryo)); }},
    {"--tactic", ParseTactic},
    {"--basho",
     [](const std::string& v, SimOptions& o) { o.basho = IntegerIn("--basho", v, 1, kUnbounded); }},
    {"--careers", [](const std::string& v,
                     SimOptions& o) { o.careers = IntegerIn("--careers", v, 1, kUnbounded); }},
    {"--record",
     [](const std::string& v, SimOptions& o) {
         if (v.empty())
             throw UsageError("--record wants a file name");
         o.record = v;
     }},
    {"--save-after",
     [](const std::string& v, SimOptions& o) {
         o.saveAfter = IntegerIn("--save-after", v, 1, kUnbounded);
     }},
    {"--runs",
     [](const std::string& v, SimOptions& o) {
         o.runs = IntegerIn("--runs", v, 1, kUnbounded);
         o.runsGiven = true;
     }},
    {"--jobs",
     [](const std::string& v, SimOptions& o) { o.jobs = IntegerIn("--jobs", v, 1, kMaxJobs); }},
};

const ValueOption* FindValueOption(const std::string& name) {
    for (const ValueOption& option : kValueOptions)
        if (name == option.name)
            return &option;
    return nullptr;
}

struct FlagOption {
    const char* name;
    bool SimOptions::*flag;
};

const FlagOption kFlagOptions[] = {
    {"--practice", &SimOptions::practice}, {"--stats", &SimOptions::stats},
    {"--files", &SimOptions::files},       {"--resume", &SimOptions::resume},
    {"--help", &SimOptions::help},
};

const FlagOption* FindFlagOption(const std::string& name) {
    for (const FlagOption& option : kFlagOptions)
        if (name == option.name)
            return &option;
    return nullptr;
}

}  // namespace

SimOptions ParseOptions(const std::vector<std::string>& args) {
    SimOptions o;
    std::set<std::string> seen;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (const size_t eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        if (!seen.insert(name).second)
            throw UsageError(name + " is given twice");
        if (const ValueOption* option = FindValueOption(name)) {
            if (!value) {
                if (i + 1 >= args.size())
                    throw UsageError(name + " needs a value");
                value = args[++i];
            }
            option->parse(*value, o);
        } else if (const FlagOption* flag = FindFlagOption(name)) {
            if (value)
                throw UsageError(name + " takes no value");
            o.*(flag->flag) = true;
        } else {
            throw UsageError("unknown argument \"" + args[i] + "\"");
        }
    }
    if (o.saveAfter > o.basho)
        throw UsageError("--save-after " + std::to_string(o.saveAfter) +
                         " comes after the last call of the run (--basho " +
                         std::to_string(o.basho) + ")");
    if (o.runs > 1) {
        // The runs would read and write the same game files at once.
        for (const char* option : {"--files", "--save-after", "--resume"})
            if (seen.count(option) > 0)
                throw UsageError(std::string(option) +
                                 " works on the game's files and cannot be used with --runs " +
                                 std::to_string(o.runs) + ": the runs would share them");
    }
    return o;
}

SimOptions OptionsOfRun(const SimOptions& options, int64_t run) {
    SimOptions o = options;
    // Modulo 2^32, as the generator's state.
    o.seed = static_cast<uint32_t>(options.seed + static_cast<uint64_t>(run));
    // The step shares no factor with the day, so the first 86,400,000 runs
    // all start at different times. Each factor is below a day, so the
    // product stays far inside 64 bits.
    o.clockStart = (options.clockStart % kMillisecondsPerDay +
                    run % kMillisecondsPerDay * kRunClockStep % kMillisecondsPerDay) %
                   kMillisecondsPerDay;
    return o;
}

}  // namespace kelmar::sim
