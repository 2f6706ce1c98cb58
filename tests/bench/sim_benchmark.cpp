// Throughput of the rules: whole basho played by the simulator's player in a
// fresh game folder, the reading of the data files at every new career
// included. "basho/s" counts the calls of RunBasho that played a basho.
#include <benchmark/benchmark.h>

#include <limits>

#include "record/career_record.h"
#include "sim/basho_line.h"
#include "sim/league_run.h"
#include "state/text_file.h"
#include "support/game_folder.h"

namespace {

using namespace kelmar;
using namespace kelmar::sim;

SimOptions EndlessRun(bool practice) {
    SimOptions o;
    o.basho = std::numeric_limits<int64_t>::max();
    o.careers = std::numeric_limits<int64_t>::max();
    o.practice = practice;
    o.tactic = kCycleTactics;
    return o;
}

// recordBatch: 0 for no career record, 1 for one transaction per basho as in
// the game, more as kelmar-sim --record batches them.
void PlayBasho(benchmark::State& bench, bool practice, bool composeLine, int recordBatch = 0) {
    testing::GameFolder folder;
    folder.CopyAllData();
    LeagueRun run(EndlessRun(practice));
    CareerRecord record(GameFolderPath("Kelmar.db"));
    if (recordBatch > 0) {
        record.Open();
        record.SetBatch(recordBatch);
        run.AttachRecord(record);
    }
    BashoLineWriter writer;
    std::string line;
    for (auto _ : bench) {
        run.PlayBasho();
        if (composeLine) {
            line.clear();
            writer.Append(run, std::nullopt, line);
            benchmark::DoNotOptimize(line.data());
        }
    }
    const int64_t played = run.calls() - run.careersEnded();
    bench.counters["basho/s"] =
        benchmark::Counter(static_cast<double>(played), benchmark::Counter::kIsRate);
    bench.counters["careers"] = static_cast<double>(run.careersEnded());
}

// Short careers, so New game and the confirm's file reads come often.
void BM_RunBasho(benchmark::State& bench) {
    PlayBasho(bench, false, false);
}
// Long careers at the practice level.
void BM_RunBashoPractice(benchmark::State& bench) {
    PlayBasho(bench, true, false);
}
// With the JSON line composed as the program writes it.
void BM_RunBashoWithLine(benchmark::State& bench) {
    PlayBasho(bench, false, true);
}

// With the career record: a transaction per basho as the game writes it, and
// batched as kelmar-sim --record writes it.
void BM_RunBashoRecorded(benchmark::State& bench) {
    PlayBasho(bench, false, false, 1);
}
void BM_RunBashoRecordedInBatches(benchmark::State& bench) {
    PlayBasho(bench, false, false, 64);
}

// The achievements view over a store of 1,000 careers as kelmar-sim --clock
// 12000,777 --tactic cycle --careers 1000 --record writes it: every kind's
// tally, as 資料館 reads it at the end of every basho, and one career's, as
// its cover reads it.
void AchievementsOfAThousandCareers(benchmark::State& bench, bool oneCareer) {
    testing::GameFolder folder;
    folder.CopyAllData();
    SimOptions options = EndlessRun(false);
    options.clockStart = 12000;
    options.clockStep = 777;
    LeagueRun run(options);
    {
        CareerRecord record(GameFolderPath("Kelmar.db"));
        record.Open();
        record.SetBatch(64);
        run.AttachRecord(record);
        while (run.careersEnded() < 1000) run.PlayBasho();
    }
    CareerRecord record(GameFolderPath("Kelmar.db"));
    size_t found = 0;
    for (auto _ : bench)
        found = oneCareer ? record.AchievementsOf(1).size() : record.AchievementTallies().size();
    bench.counters["found"] = static_cast<double>(found);
}
void BM_AchievementTallies(benchmark::State& bench) {
    AchievementsOfAThousandCareers(bench, false);
}
void BM_AchievementsOfOneCareer(benchmark::State& bench) {
    AchievementsOfAThousandCareers(bench, true);
}

BENCHMARK(BM_RunBasho)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly();
BENCHMARK(BM_RunBashoPractice)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();
BENCHMARK(BM_RunBashoWithLine)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();
BENCHMARK(BM_RunBashoRecorded)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();
BENCHMARK(BM_RunBashoRecordedInBatches)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();

BENCHMARK(BM_AchievementTallies)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_AchievementsOfOneCareer)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace

BENCHMARK_MAIN();
