// --runs and --jobs: independent runs, each as its own start of the program,
// written in run order whatever the number of threads; and the game's texts
// in the lines, escaped as a JSON library escapes them.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "sim/json_texts.h"
#include "sim/options.h"
#include "sim/sim_lines.h"
#include "sim/sim_process.h"
#include "state/encoding.h"
#include "support/game_folder.h"

namespace kelmar::sim {
namespace {

using kelmar::testing::GameFolder;
using kelmar::testing::Json;
using kelmar::testing::Lines;
using kelmar::testing::RunSim;

// The lines of one run of a --runs output, without their "run" key.
std::string LinesOfRun(const std::string& out, int run) {
    const std::string prefix = "{\"run\":" + std::to_string(run) + ",";
    std::string lines;
    for (const std::string& line : Lines(out))
        if (line.rfind(prefix, 0) == 0)
            lines += "{" + line.substr(prefix.size()) + "\n";
    return lines;
}

// Long enough that a run ahead of the one being written keeps its lines in
// a temporary file.
const std::vector<std::string> kRunArgs = {"--basho", "300",      "--careers",
                                           "40",      "--tactic", "cycle"};

std::vector<std::string> With(std::vector<std::string> more) {
    more.insert(more.begin(), kRunArgs.begin(), kRunArgs.end());
    return more;
}

TEST(SimRuns, EveryNumberOfJobsPrintsTheSameBytesInRunOrder) {
    GameFolder folder;
    folder.CopyAllData();
    const auto one = RunSim(With({"--runs", "4", "--jobs", "1"}));
    ASSERT_EQ(one.status, 0) << one.err;
    EXPECT_EQ(one.err, "");
    for (const char* jobs : {"2", "3"}) {
        const auto many = RunSim(With({"--runs", "4", "--jobs", jobs}));
        EXPECT_EQ(many.status, 0) << many.err;
        EXPECT_TRUE(many.out == one.out) << jobs << " jobs";
    }
    int64_t run = 0;
    for (const Json& line : testing::ParsedLines(one.out)) {
        ASSERT_GE(line["run"].get<int64_t>(), run) << "run order";
        run = line["run"].get<int64_t>();
    }
    EXPECT_EQ(run, 3);
}

// Run r is the plain run with the seed S + r and the clock r x 7,777,777 ms
// later, modulo a day.
TEST(SimRuns, RunRIsThePlainRunWithItsSeedAndClock) {
    GameFolder folder;
    folder.CopyAllData();
    const auto runs =
        RunSim(With({"--runs", "3", "--seed", "4294967295", "--clock", "86399000,1700"}));
    ASSERT_EQ(runs.status, 0) << runs.err;
    const struct {
        int run;
        std::vector<std::string> args;
    } cases[] = {
        {0, {"--seed", "4294967295", "--clock", "86399000,1700"}},
        {1, {"--seed", "0", "--clock", "7776777,1700"}},  // both wrap around
        {2, {"--seed", "1", "--clock", "15554554,1700"}},
    };
    for (const auto& c : cases) {
        const auto plain = RunSim(With(c.args));
        ASSERT_EQ(plain.status, 0) << plain.err;
        EXPECT_TRUE(LinesOfRun(runs.out, c.run) == plain.out) << "run " << c.run;
    }
    EXPECT_NE(LinesOfRun(runs.out, 0), LinesOfRun(runs.out, 1));
}

// Runs 24 and on once repeated runs 0 and on, their clocks a whole day later.
TEST(SimRuns, ThirtyRunsAreThirtyDifferentRuns) {
    GameFolder folder;
    folder.CopyAllData();
    const auto runs = RunSim({"--runs", "30", "--basho", "3", "--careers", "5"});
    ASSERT_EQ(runs.status, 0) << runs.err;
    std::set<std::string> different;
    for (int run = 0; run < 30; ++run) {
        const std::string lines = LinesOfRun(runs.out, run);
        EXPECT_EQ(Lines(lines).size(), 3u) << "run " << run;
        different.insert(lines);
    }
    EXPECT_EQ(different.size(), 30u);
}

// Run r's clock against the plain arithmetic, where it wraps and far out.
TEST(SimRuns, EachRunStartsItsClockOneStepLaterModuloADay) {
    SimOptions options;
    options.clockStart = 86'399'999;
    options.seed = 5;
    const struct {
        int64_t run;
        int64_t clock;
        uint32_t seed;
    } cases[] = {
        {0, 86'399'999, 5},
        {1, 7'777'776, 6},
        {12, (86'399'999 + 12 * 7'777'777) % 86'400'000, 17},
        {86'400'000, 86'399'999, static_cast<uint32_t>(5 + 86'400'000)},
        {4'294'967'296 + 3,
         (86'399'999 + (4'294'967'296 + 3) % 86'400'000 * 7'777'777) % 86'400'000, 8},
    };
    for (const auto& c : cases) {
        const SimOptions run = OptionsOfRun(options, c.run);
        EXPECT_EQ(run.clockStart, c.clock) << "run " << c.run;
        EXPECT_EQ(run.seed, c.seed) << "run " << c.run;
        EXPECT_EQ(run.clockStep, options.clockStep);
    }
    // No two of the first runs of a day share a start.
    std::set<int64_t> starts;
    for (int64_t run = 0; run < 100'000; ++run)
        starts.insert(OptionsOfRun(options, run).clockStart);
    EXPECT_EQ(starts.size(), 100'000u);
}

TEST(SimRuns, StatsSumOverTheRuns) {
    GameFolder folder;
    folder.CopyAllData();
    const auto runs = RunSim({"--stats", "--runs", "3", "--basho", "50", "--careers", "1000"});
    ASSERT_EQ(runs.status, 0) << runs.err;
    EXPECT_EQ(runs.out.rfind("calls of RunBasho: 150, basho played: ", 0), 0u) << runs.out;
}

TEST(JsonTexts, EscapeAsTheJsonLibraryDoes) {
    std::vector<std::string> texts = {"",         "1",    "a\"b\\c",  "\x7f",    "\x82\xa0\x88\x9f",
                                      "\xb1\xb2", "\x81", "\xff\x40", "\x88\n\r"};
    for (int byte = 0; byte < 256; ++byte) texts.push_back(std::string(1, static_cast<char>(byte)));
    JsonTexts json;
    for (int round = 0; round < 2; ++round) {  // converted, then from the cache
        for (const std::string& text : texts) {
            std::string out;
            json.Append(text, out);
            EXPECT_EQ(out, Json(ShiftJisToUtf8(text)).dump()) << round;
            out.clear();
            json.AppendPage(text + "\n\r" + text, out);
            EXPECT_EQ(out, Json(ShiftJisToUtf8(text + "\n\r" + text)).dump()) << round;
        }
    }
}

}  // namespace
}  // namespace kelmar::sim
