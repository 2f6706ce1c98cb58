#include "sim/simulation.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <sstream>
#include <thread>
#include <vector>

#include "sim/basho_line.h"
#include "sim/league_run.h"
#include "sim/league_stats.h"
#include "sim/ordered_output.h"
#include "state/encoding.h"
#include "state/errors.h"

namespace kelmar::sim {

namespace {

// A run's lines go out in writes of about this size.
constexpr size_t kWriteSize = 1 << 20;

void Tell(LeagueRun& run) {
    for (const std::string& notice : run.TakeNotices())
        std::fprintf(stderr, "kelmar-sim: %s\n", notice.c_str());
}

class Runs {
  public:
    Runs(const SimOptions& options, CareerRecord* record)
        : options_(options), record_(record), output_(stdout) {}

    // Each thread takes the next run to play until none is left.
    void Play() {
        for (int64_t run; (run = next_.fetch_add(1)) < options_.runs;) {
            output_.WaitForTurn(run, window_);
            if (output_.Dropped(run))
                return;
            PlayRun(run);
        }
    }

    void SetWindow(int64_t window) { window_ = window; }

    // Once every run is over: the summary, or the message of the first run
    // that failed.
    int Finish() {
        if (failed_) {
            std::fflush(stdout);
            std::fprintf(stderr, "kelmar-sim: %s\n", failedMessage_.c_str());
            return 1;
        }
        if (options_.stats) {
            std::ostringstream text;
            // One run lists its careers; with --runs, the sum counts them.
            (options_.runsGiven ? total_ : *single_).Print(text);
            std::fputs(text.str().c_str(), stdout);
        }
        return 0;
    }

  private:
    void PlayRun(int64_t number) {
        const std::optional<int64_t> shown =
            options_.runsGiven ? std::optional<int64_t>(number) : std::nullopt;
        LeagueRun run(OptionsOfRun(options_, number));
#if KELMAR_RECORD
        if (record_ != nullptr)
            run.AttachRecord(*record_);
#endif
        std::string text;
        std::unique_ptr<LeagueStats> stats;
        if (options_.stats)
            stats = std::make_unique<LeagueStats>();
        try {
            PlayLines(run, number, shown, text, stats.get());
        } catch (const GameError& e) {
            // The game's own message, as its message box would show it.
            Failed(number, text, ShiftJisToUtf8(e.what()));
            return;
        } catch (const std::exception& e) {
            Failed(number, text, e.what());
            return;
        }
        if (stats) {
            stats->EndRun(run);
            MergeInTurn(number, std::move(stats));
        }
        output_.Finish(number, text);
        if (options_.saveAfter > run.calls())
            std::fprintf(stderr, "kelmar-sim: the run ended after call %lld: no game is saved\n",
                         static_cast<long long>(run.calls()));
    }

    // With statistics, the run adds up its basho instead of writing lines.
    void PlayLines(LeagueRun& run, int64_t number, std::optional<int64_t> shown, std::string& text,
                   LeagueStats* stats) {
        Tell(run);
        if (stats != nullptr) {
            while (!run.Done()) {
                stats->Before(run);
                run.PlayBasho();
                stats->Add(run);
                Tell(run);
            }
            return;
        }
        BashoLineWriter writer;
        text.reserve(kWriteSize + (1 << 16));
        while (!run.Done()) {
            run.PlayBasho();
            writer.Append(run, shown, text);
            if (text.size() >= kWriteSize)
                output_.Write(number, text);
            Tell(run);
        }
    }

    // A run's statistics join the sum as soon as every run before it has
    // joined; until then they wait here. A run starts only within the window
    // of output_, so no more wait than the window holds.
    void MergeInTurn(int64_t number, std::unique_ptr<LeagueStats> stats) {
        const std::lock_guard lock(merging_);
        if (!options_.runsGiven) {
            single_ = std::move(stats);
            return;
        }
        if (number != nextToMerge_) {
            ahead_.emplace(number, std::move(stats));
            return;
        }
        total_.Merge(*stats);
        ++nextToMerge_;
        for (auto next = ahead_.begin(); next != ahead_.end() && next->first == nextToMerge_;
             next = ahead_.erase(next)) {
            total_.Merge(*next->second);
            ++nextToMerge_;
        }
    }

    void Failed(int64_t number, std::string& text, const std::string& message) {
        const std::lock_guard lock(failure_);
        const int64_t first = output_.Fail(number, text);
        if (first == number) {
            failed_ = true;
            failedMessage_ = message;
        }
    }

    const SimOptions& options_;
    [[maybe_unused]] CareerRecord* record_;
    OrderedOutput output_;
    std::mutex merging_;
    LeagueStats total_;  // of the runs merged, in run order
    int64_t nextToMerge_ = 0;
    std::map<int64_t, std::unique_ptr<LeagueStats>> ahead_;  // finished ahead of their turn
    std::unique_ptr<LeagueStats> single_;                    // the one run without --runs
    std::atomic<int64_t> next_{0};
    int64_t window_ = 1;
    std::mutex failure_;
    bool failed_ = false;
    std::string failedMessage_;
};

int64_t JobsFor(const SimOptions& options, const CareerRecord* record) {
    if (record != nullptr || !KELMAR_THREADS)
        return 1;  // one writer of the record, in run order; or a build without threads
    int64_t jobs = options.jobs;
    if (jobs == 0)
        jobs = std::max<int64_t>(1, std::thread::hardware_concurrency());
    return std::min(jobs, options.runs);
}

}  // namespace

int Simulate(const SimOptions& options, CareerRecord* record) {
    Runs runs(options, record);
    const int64_t jobs = JobsFor(options, record);
    // Runs ahead of the one being written wait with their lines on disk; a
    // few per thread keep every thread busy behind a long run.
    runs.SetWindow(4 * jobs);
    std::vector<std::thread> threads;
    for (int64_t j = 1; j < jobs; ++j) threads.emplace_back([&runs] { runs.Play(); });
    runs.Play();
    for (std::thread& thread : threads) thread.join();
    return runs.Finish();
}

}  // namespace kelmar::sim
