// The command line, the stepped clock and the scripted player's tactics.
#include "sim/options.h"

#include <gtest/gtest.h>

#include "sim/scripted_player.h"
#include "sim/sim_process.h"
#include "state/stepped_clock.h"
#include "support/game_folder.h"

namespace kelmar::sim {
namespace {

using kelmar::testing::GameFolder;
using kelmar::testing::RunSim;

TEST(SimOptions, DefaultsAndEveryOption) {
    const SimOptions d = ParseOptions({});
    EXPECT_EQ(d.seed, 0u);
    EXPECT_EQ(d.clockStart, 0);
    EXPECT_EQ(d.clockStep, 1000);
    EXPECT_EQ(d.pick, 1);
    EXPECT_EQ(d.tactic, 1);
    EXPECT_FALSE(d.practice);
    EXPECT_EQ(d.basho, 1000);
    EXPECT_EQ(d.careers, 1);
    EXPECT_FALSE(d.stats);
    EXPECT_FALSE(d.files);
    EXPECT_EQ(d.saveAfter, 0);
    EXPECT_FALSE(d.resume);

    const SimOptions o =
        ParseOptions({"--seed", "4294967295", "--clock", "86400001,7", "--pick=27", "--tactic",
                      "cycle", "--practice", "--basho", "5", "--careers=3", "--stats", "--files",
                      "--save-after", "5", "--resume"});
    EXPECT_EQ(o.seed, 4294967295u);
    EXPECT_EQ(o.clockStart, 86400001);
    EXPECT_EQ(o.clockStep, 7);
    EXPECT_EQ(o.pick, 27);
    EXPECT_EQ(o.tactic, kCycleTactics);
    EXPECT_TRUE(o.practice);
    EXPECT_EQ(o.basho, 5);
    EXPECT_EQ(o.careers, 3);
    EXPECT_TRUE(o.stats);
    EXPECT_TRUE(o.files);
    EXPECT_EQ(o.saveAfter, 5);
    EXPECT_TRUE(o.resume);
    EXPECT_EQ(ParseOptions({"--clock", "250"}).clockStep, 1000) << "STEP keeps its default";
}

TEST(SimOptions, BadArgumentsExitWithStatusTwoAndSayWhy) {
    GameFolder folder;
    folder.CopyAllData();
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"--seed", "-1"}, "--seed wants a whole number from 0 to 4294967295, not \"-1\""},
        {{"--seed", "4294967296"}, "--seed wants a whole number from 0 to 4294967295"},
        {{"--seed", "12abc"}, "not \"12abc\""},
        {{"--seed"}, "--seed needs a value"},
        {{"--clock", "1,"}, "--clock STEP wants a whole number 0 or more, not \"\""},
        {{"--clock", ",5"}, "--clock START wants a whole number 0 or more"},
        {{"--clock", "-3"}, "--clock START wants"},
        {{"--clock", "1,2,3"}, "--clock STEP wants a whole number 0 or more, not \"2,3\""},
        {{"--pick", "0"}, "--pick wants a whole number from 1 to 27, not \"0\""},
        {{"--pick", "28"}, "--pick wants a whole number from 1 to 27"},
        {{"--tactic", "4"}, "--tactic wants 1, 2, 3 or cycle, not \"4\""},
        {{"--tactic", "Cycle"}, "--tactic wants 1, 2, 3 or cycle"},
        {{"--basho", "0"}, "--basho wants a whole number 1 or more, not \"0\""},
        {{"--careers", "1.5"}, "--careers wants a whole number 1 or more"},
        {{"--careers", "99999999999999999999"}, "--careers wants a whole number"},
        {{"--stats=yes"}, "--stats takes no value"},
        {{"--seed", "1", "--seed", "2"}, "--seed is given twice"},
        {{"--bogus"}, "unknown argument \"--bogus\""},
        {{"1000"}, "unknown argument \"1000\""},
        {{"--save-after", "0"}, "--save-after wants a whole number 1 or more, not \"0\""},
        {{"--save-after", "5", "--basho", "3"},
         "--save-after 5 comes after the last call of the run (--basho 3)"},
        {{"--save-after", "1001"}, "comes after the last call of the run (--basho 1000)"},
        {{"--files=1"}, "--files takes no value"},
        {{"--resume", "x"}, "unknown argument \"x\""},
        {{"--runs", "0"}, "--runs wants a whole number 1 or more, not \"0\""},
        {{"--jobs", "0"}, "--jobs wants a whole number from 1 to 256"},
        // The runs would share the game's files.
        {{"--runs", "2", "--files"},
         "--files works on the game's files and cannot be used with --runs 2"},
        {{"--save-after", "3", "--runs=5"},
         "--save-after works on the game's files and cannot be used with --runs 5"},
        {{"--resume", "--runs", "9", "--jobs", "1"}, "--resume works on the game's files"},
    };
    for (const auto& c : cases) {
        const auto r = RunSim(c.args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_EQ(r.out, "") << c.message;
        EXPECT_EQ(r.err.rfind("kelmar-sim: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("usage: kelmar-sim"), std::string::npos) << r.err;
    }
    const auto help = RunSim({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: kelmar-sim", 0), 0u);
    EXPECT_NE(help.out.find("--tactic T"), std::string::npos);
}

TEST(SteppedClock, ReadsStartPlusStepsWrappedAtMidnight) {
    SteppedClock clock(86'399'500, 1000);
    EXPECT_EQ(clock.MillisecondOfDay(), 86'399'500);
    EXPECT_EQ(clock.MillisecondOfDay(), 500);
    EXPECT_EQ(clock.MillisecondOfDay(), 1500);
    EXPECT_EQ(clock.readings(), 3);

    SteppedClock still(123, 0);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(still.MillisecondOfDay(), 123);

    // Far into a run the product of k and STEP would not fit in 32 bits.
    SteppedClock big(0, 86'399'999);
    for (int k = 0; k < 5; ++k) big.MillisecondOfDay();
    EXPECT_EQ(big.MillisecondOfDay(), 86'400'000 - 5) << "5 x (a day - 1), wrapped";
    SteppedClock wide(5 * 86'400'000LL + 7, 4 * 86'400'000LL + 1);
    EXPECT_EQ(wide.MillisecondOfDay(), 7);
    EXPECT_EQ(wide.MillisecondOfDay(), 8);
}

TEST(ScriptedPlayer, AnswersTheTacticWindowsByPlan) {
    ScriptedPlayer cycle(kCycleTactics);
    std::vector<int32_t> codes;
    for (int k = 0; k < 7; ++k) codes.push_back(cycle.AskTactic({}));
    EXPECT_EQ(codes, (std::vector<int32_t>{1, 2, 3, 1, 2, 3, 1}));
    EXPECT_EQ(cycle.tacticWindows(), 7);

    ScriptedPlayer two(2);
    EXPECT_EQ(two.AskTactic({}), 2);
    EXPECT_EQ(two.AskTactic({}), 2);
    EXPECT_EQ(two.AskName("", "", "preset"), std::optional<std::string>("Unknown"));
}

}  // namespace
}  // namespace kelmar::sim
