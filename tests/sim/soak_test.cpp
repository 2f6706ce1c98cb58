// Thousands of basho over many careers, with the league checked after every
// call that did not end a career.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "sim/league_run.h"
#include "state/roster.h"
#include "support/game_folder.h"

namespace kelmar::sim {
namespace {

// The 58 stored shikona of the data files: the roster's and the juryo list's.
std::vector<std::string> DataNames() {
    GameState s;
    LoadRoster(s);
    LoadJuryoNames(s);
    std::vector<std::string> names;
    for (int i = 1; i <= kRosterSlots; ++i) names.push_back(s.NameOfWres[i]);
    for (int k = 1; k <= kJuryo; ++k) names.push_back(s.Juryo[k]);
    return names;
}

// An empty text when the league is whole, else what is wrong with it.
std::string LeagueFault(const GameState& s, std::vector<std::string> expectedNames) {
    int marks = 0;
    for (int i = 1; i <= kSlots; ++i) marks += s.IsPlayerSlot(i);
    if (marks != 1)
        return std::to_string(marks) + " slots carry the player's mark";

    int i = 1;
    while (i <= kSlots && (s.Stage[i] == "1" || s.Stage[i] == "2")) ++i;
    for (const char* code : {"3", "3", "4", "4"}) {
        if (i > kSlots || s.Stage[i] != code)
            return "slot " + std::to_string(i) + " has rank code '" +
                   (i > kSlots ? "" : s.Stage[i]) + "', not " + code;
        ++i;
    }
    for (; i <= kSlots; ++i)
        if (s.Stage[i] != "5")
            return "slot " + std::to_string(i) + " is not a maegashira";

    for (int j = 1; j <= kSlots; ++j) {
        const std::string& saiko = s.Saiko[j];
        if (saiko.size() != 1 || saiko[0] < '1' || saiko[0] > '6')
            return "slot " + std::to_string(j) + " has Saiko '" + saiko + "'";
    }

    std::vector<std::string> names;
    for (int j = 1; j <= kSlots; ++j) names.push_back(s.NameOfWres[j]);
    for (int k = 1; k <= kJuryo; ++k) names.push_back(s.Juryo[k]);
    expectedNames.push_back(s.PlayersWres);
    std::sort(names.begin(), names.end());
    std::sort(expectedNames.begin(), expectedNames.end());
    if (names != expectedNames)
        return "the league and juryo names are not the data files' names";
    return "";
}

struct SoakRun {
    const char* what;
    SimOptions options;
};

TEST(Soak, TenThousandBashoKeepTheLeagueWhole) {
    testing::GameFolder folder;
    folder.CopyAllData();
    const std::vector<std::string> dataNames = DataNames();
    ASSERT_EQ(dataNames.size(), 58u);

    const auto started = std::chrono::steady_clock::now();
    const std::clock_t startedOnProcessor = std::clock();
    constexpr int64_t kCalls = 10000;
    SimOptions plain;
    plain.basho = kCalls / 2;
    plain.careers = kCalls;
    // Practice makes long careers that reach the top ranks.
    SimOptions practice = plain;
    practice.basho = kCalls - plain.basho;
    practice.practice = true;
    practice.tactic = kCycleTactics;
    practice.pick = 7;
    practice.clockStart = 14844;
    practice.clockStep = 4321;

    int64_t calls = 0;
    for (const SoakRun& soak : {SoakRun{"plain", plain}, SoakRun{"practice", practice}}) {
        LeagueRun run(soak.options);
        std::string best = "6";
        while (!run.Done()) {
            run.PlayBasho();
            ++calls;
            if (run.retired())
                continue;
            const std::string fault = LeagueFault(run.state(), dataNames);
            ASSERT_EQ(fault, "") << soak.what << " run, call " << run.calls();
            best = std::min(best, run.state().Saiko[run.state().PlayerIndex]);
        }
        EXPECT_GE(run.careersEnded(), 3) << soak.what << ": several careers";
        if (soak.options.practice) {
            EXPECT_LE(best, "2") << "the practice run reaches ozeki";
        }
    }
    EXPECT_EQ(calls, kCalls);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const double processor =
        static_cast<double>(std::clock() - startedOnProcessor) / CLOCKS_PER_SEC;
    RecordProperty("seconds", std::to_string(seconds));
    RecordProperty("processor_seconds", std::to_string(processor));
    std::printf("%lld calls of RunBasho in %.2f s (%.2f s of processor time)\n",
                static_cast<long long>(calls), seconds, processor);
#ifdef KELMAR_SOAK_PROCESSOR_SECONDS
    // The processor time of this test alone: other programs on the machine
    // make the wall time longer, not this.
    EXPECT_LT(processor, KELMAR_SOAK_PROCESSOR_SECONDS) << "the basho have become much slower";
#endif
}

}  // namespace
}  // namespace kelmar::sim
