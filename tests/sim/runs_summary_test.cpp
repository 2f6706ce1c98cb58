// The summary of --runs N --stats: the careers of every run counted, in a
// form whose size does not grow with the runs, and the same for any --jobs.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "sim/options.h"
#include "sim/sim_lines.h"
#include "sim/sim_process.h"
#include "support/game_folder.h"

namespace kelmar::sim {
namespace {

using kelmar::testing::GameFolder;
using kelmar::testing::Lines;
using kelmar::testing::RunSim;

const std::vector<std::string> kStatsArgs = {"--stats", "--basho",  "120",  "--careers",
                                             "1000000", "--tactic", "cycle"};

std::vector<std::string> With(std::vector<std::string> more) {
    more.insert(more.begin(), kStatsArgs.begin(), kStatsArgs.end());
    return more;
}

// The line that begins with `head`, empty for none.
std::string LineBeginning(const std::string& out, const std::string& head) {
    for (const std::string& line : Lines(out))
        if (line.rfind(head, 0) == 0)
            return line;
    return "";
}

std::string TwoPlaces(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

TEST(SimRunsSummary, EveryNumberOfJobsGivesTheSameSummary) {
    GameFolder folder;
    folder.CopyAllData();
    const auto one = RunSim(With({"--runs", "13", "--jobs", "1"}));
    ASSERT_EQ(one.status, 0) << one.err;
    EXPECT_EQ(one.out.rfind("calls of RunBasho: 1560, ", 0), 0u) << one.out;
    for (const char* jobs : {"2", "3", "8"}) {
        const auto many = RunSim(With({"--runs", "13", "--jobs", jobs}));
        EXPECT_EQ(many.status, 0) << many.err;
        EXPECT_EQ(many.out, one.out) << jobs << " jobs";
    }
}

// The plain runs, each with its own list of careers, counted by hand against
// the summary of the same runs played by --runs.
TEST(SimRunsSummary, CountsTheCareersThatEachRunLists) {
    GameFolder folder;
    folder.CopyAllData();
    constexpr int kRuns = 6;
    const auto runs =
        RunSim(With({"--runs", std::to_string(kRuns), "--seed", "7", "--clock", "43200000,1300"}));
    ASSERT_EQ(runs.status, 0) << runs.err;

    std::map<int64_t, int64_t> byLength;
    int64_t calls = 0, played = 0, inProgress = 0, inProgressBasho = 0, longest = 0, score = 0;
    std::map<std::string, int64_t> bestRanks;
    const SimOptions options = ParseOptions(With({"--seed", "7", "--clock", "43200000,1300"}));
    for (int run = 0; run < kRuns; ++run) {
        const SimOptions ofRun = OptionsOfRun(options, run);
        const auto plain = RunSim(With({"--seed", std::to_string(ofRun.seed), "--clock",
                                        std::to_string(ofRun.clockStart) + ",1300"}));
        ASSERT_EQ(plain.status, 0) << plain.err;
        int64_t c = 0, p = 0;
        ASSERT_EQ(
            std::sscanf(plain.out.c_str(), "calls of RunBasho: %ld, basho played: %ld", &c, &p), 2);
        calls += c;
        played += p;
        const std::string ended = LineBeginning(plain.out, "careers ended: ");
        if (const size_t at = ended.find("lengths:"); at != std::string::npos) {
            std::istringstream lengths(ended.substr(at + 8));
            for (int64_t length; lengths >> length;) byLength[length] += 1;
        }
        const std::string current = LineBeginning(plain.out, "career in progress: ");
        if (!current.empty()) {
            int64_t basho = 0, points = 0;
            char rank[16] = {};
            ASSERT_EQ(std::sscanf(current.c_str(),
                                  "career in progress: %ld basho, best rank so far %15[a-z], "
                                  "score %ld",
                                  &basho, rank, &points),
                      3)
                << current;
            ++inProgress;
            inProgressBasho += basho;
            longest = std::max(longest, basho);
            score += points;
            bestRanks[rank] += 1;
        }
    }
    ASSERT_GT(byLength.size(), 1u) << "the runs should end careers of several lengths";
    ASSERT_GT(inProgress, 1);

    EXPECT_EQ(runs.out.rfind("calls of RunBasho: " + std::to_string(calls) +
                                 ", basho played: " + std::to_string(played) + ",",
                             0),
              0u)
        << runs.out;
    int64_t careers = 0, sum = 0;
    std::string table;
    for (const auto& [length, count] : byLength) {
        careers += count;
        sum += length * count;
        table += " " + std::to_string(length) + ":" + std::to_string(count);
    }
    EXPECT_EQ(LineBeginning(runs.out, "careers ended: "),
              "careers ended: " + std::to_string(careers) + "; basho per career: mean " +
                  TwoPlaces(static_cast<double>(sum) / careers) + ", shortest " +
                  std::to_string(byLength.begin()->first) + ", longest " +
                  std::to_string(byLength.rbegin()->first) + "; careers by length:" + table);
    std::string ranks;
    for (const char* rank : {"yokozuna", "ozeki", "sekiwake", "komusubi", "maegashira", "none"})
        ranks += std::string(" ") + rank + " " + std::to_string(bestRanks[rank]);
    EXPECT_EQ(LineBeginning(runs.out, "careers in progress "),
              "careers in progress when their run ended: " + std::to_string(inProgress) +
                  "; basho: mean " + TwoPlaces(static_cast<double>(inProgressBasho) / inProgress) +
                  ", longest " + std::to_string(longest) + "; best rank so far:" + ranks +
                  "; score: mean " + TwoPlaces(static_cast<double>(score) / inProgress));
    // Every basho played belongs to a career, ended or in progress.
    EXPECT_EQ(sum + inProgressBasho, played);
}

// A thousand times the runs, the same lines: no line per run or per career.
TEST(SimRunsSummary, HasTheSameLinesForThreeRunsAndForThreeThousand) {
    GameFolder folder;
    folder.CopyAllData();
    const auto few = RunSim({"--stats", "--basho", "1", "--runs", "3"});
    const auto many = RunSim({"--stats", "--basho", "1", "--runs", "3000"});
    ASSERT_EQ(few.status, 0) << few.err;
    ASSERT_EQ(many.status, 0) << many.err;
    const std::vector<std::string> fewLines = Lines(few.out);
    const std::vector<std::string> manyLines = Lines(many.out);
    ASSERT_EQ(manyLines.size(), fewLines.size()) << many.out;
    for (size_t i = 0; i < fewLines.size(); ++i)
        EXPECT_LT(manyLines[i].size(), fewLines[i].size() + 40) << manyLines[i];
    EXPECT_EQ(LineBeginning(many.out, "careers ended: "), "careers ended: 0");
    // Each run's one basho leaves its first career in progress, at maegashira.
    EXPECT_EQ(LineBeginning(many.out, "careers in progress ")
                  .rfind("careers in progress when their run ended: 3000; basho: mean 1.00, "
                         "longest 1; best rank so far: yokozuna 0 ozeki 0 sekiwake 0 komusubi 0 "
                         "maegashira 3000 none 0; score: mean ",
                         0),
              0u)
        << many.out;
}

#if defined(__SANITIZE_ADDRESS__)
#define KELMAR_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KELMAR_ADDRESS_SANITIZER 1
#endif
#endif

// Each run's statistics are merged and let go once the runs before it are:
// 20,000 runs kept to the end took about 190 MB, merged as they come a few.
TEST(SimRunsSummary, TwentyThousandRunsFitInAFewMegabytes) {
#ifdef KELMAR_ADDRESS_SANITIZER
    GTEST_SKIP() << "the address sanitizer keeps freed memory in quarantine";
#endif
    GameFolder folder;
    folder.CopyAllData();
    const auto many = RunSim({"--stats", "--basho", "1", "--runs", "20000", "--jobs", "2"});
    ASSERT_EQ(many.status, 0) << many.err;
    rusage usage{};
    ASSERT_EQ(getrusage(RUSAGE_CHILDREN, &usage), 0);
    EXPECT_LT(usage.ru_maxrss, 32 * 1024) << "kilobytes at most, of the largest program run";
}

}  // namespace
}  // namespace kelmar::sim
