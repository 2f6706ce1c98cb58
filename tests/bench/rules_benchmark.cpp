// What the rules cost without any window: one bout, and one whole basho from
// the assessment to the score (the newspaper page composed, 240 bouts), on the
// shipped league. Allocations are counted alongside (support/counting_new.cpp).
#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "basho/procedures.h"
#include "support/counting_new.h"
#include "support/game_folder.h"
#include "support/null_frontend.h"
#include "support/shipped_league.h"

namespace {

using namespace kelmar;
using testing::AllocationCount;
using testing::FixedClock;
using testing::NullFrontend;

constexpr int kBoutsPerBasho = kDays * 16;

// The league states before a basho that is played through (not one that ends
// the player's career), taken from careers rolled on with a moving clock.
std::vector<GameState> BashoStarts(size_t count) {
    std::vector<GameState> starts;
    FixedClock clock(1000);
    GameState s;
    int juryo = 1;
    NewGame(s);
    PickJuryo(s, juryo, clock);
    while (starts.size() < count) {
        clock.millisecond += 7919;
        NullFrontend frontend;
        const bool fresh = s.RosterLoaded == 0;
        GameState before = s;
        ConfirmCareer(s, frontend, clock);
        if (frontend.careerReports > 0) {
            juryo = juryo % kJuryo + 1;
            NewGame(s);
            PickJuryo(s, juryo, clock);
        } else if (!fresh) {
            starts.push_back(before);
        }
    }
    return starts;
}

struct Shipped {
    Shipped() {
        folder.CopyAllData();
        league = testing::ShippedLeagueAfterFirstBasho(5);
        for (int day = 1; day <= kDays; ++day)
            for (int pair = 1; pair <= 16; ++pair)
                pairs[static_cast<size_t>((day - 1) * 16 + pair - 1)] =
                    DayCardPair(league, day, pair);
        starts = BashoStarts(16);
    }
    testing::GameFolder folder;
    GameState league;
    std::array<DayPair, kBoutsPerBasho> pairs;
    std::vector<GameState> starts;
};

Shipped& Game() {
    static Shipped game;
    return game;
}

// One bout after another through the basho's pairings; the wins are cleared
// after each round of 240 so that the parity terms keep their usual shares.
void BM_ResolveBout(benchmark::State& run) {
    GameState s = Game().league;
    const auto& pairs = Game().pairs;
    NullFrontend frontend;
    size_t next = 0;
    const uint64_t allocationsBefore = AllocationCount();
    for (auto _ : run) {
        s.EastSlot = pairs[next].east;
        s.WestSlot = pairs[next].west;
        benchmark::DoNotOptimize(ResolveBout(s, frontend));
        if (++next == pairs.size()) {
            next = 0;
            for (int i = 1; i <= kSlots; ++i) s.W[i] = 0;
        }
    }
    run.counters["allocs/bout"] =
        benchmark::Counter(static_cast<double>(AllocationCount() - allocationsBefore),
                           benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ResolveBout);

// RunBasho itself with a frontend that shows nothing and a fixed clock; each
// iteration starts from one of sixteen different league states.
void BM_BashoRules(benchmark::State& run) {
    const auto& starts = Game().starts;
    GameState s;
    NullFrontend frontend;
    FixedClock clock(4321);
    size_t next = 0;
    uint64_t allocations = 0;
    for (auto _ : run) {
        run.PauseTiming();
        s = starts[next];
        next = (next + 1) % starts.size();
        const int pagesBefore = frontend.newspapers;
        run.ResumeTiming();
        const uint64_t before = AllocationCount();
        RunBasho(s, frontend, clock);
        allocations += AllocationCount() - before;
        if (frontend.newspapers != pagesBefore + 1)
            run.SkipWithError("the basho was not played");
    }
    run.counters["allocs/basho"] =
        benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_BashoRules)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
