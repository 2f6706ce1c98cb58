// kelmar-sim: careers of the game played headless by a scripted player, one
// JSON line per basho or a summary for balance work. Reads the data files of
// the current directory; only --files and --save-after write to disk.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "record/career_record.h"
#include "state/encoding.h"
#include "state/errors.h"
#include "tools/sim/basho_line.h"
#include "tools/sim/league_run.h"
#include "tools/sim/league_stats.h"
#include "tools/sim/options.h"

namespace {

using namespace kelmar::sim;

void Tell(LeagueRun& run) {
    for (const std::string& notice : run.TakeNotices())
        std::cerr << "kelmar-sim: " << notice << "\n";
}

// Basho kept in one transaction of the record: a killed run loses at most
// these, never half of one.
constexpr int kRecordBatch = 64;

void Simulate(const SimOptions& options, kelmar::CareerRecord* record) {
    LeagueRun run(options);
    if (record != nullptr)
        run.AttachRecord(*record);
    LeagueStats stats;
    Tell(run);
    while (!run.Done()) {
        if (options.stats) {
            const LeagueSnapshot before = SnapshotBeforeCall(run);
            run.PlayBasho();
            stats.Add(before, run);
        } else {
            run.PlayBasho();
            std::cout << BashoLineText(run) << '\n';
        }
        Tell(run);
    }
    if (options.stats)
        stats.Print(std::cout, run);
    if (options.saveAfter > run.calls())
        std::cerr << "kelmar-sim: the run ended after call " << run.calls()
                  << ": no game is saved\n";
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    SimOptions options;
    try {
        options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& e) {
        std::cerr << "kelmar-sim: " << e.what() << "\n" << kUsageLine;
        return 2;
    }
    if (options.help) {
        std::cout << kUsageLine << "\n" << kHelpText;
        return 0;
    }
    // The record is opened before the first basho: a FILE that cannot be
    // used stops the run before it begins.
    std::unique_ptr<kelmar::CareerRecord> record;
    if (!options.record.empty()) {
        record = std::make_unique<kelmar::CareerRecord>(options.record);
        record->SetFailureHandler([](const std::string& path, const kelmar::RecordError& e) {
            std::cerr << "kelmar-sim: the career record " << path
                      << " cannot be written: " << e.what() << "\n";
        });
        try {
            record->Open();
        } catch (const kelmar::RecordError&) {
            return 1;
        }
        record->SetBatch(kRecordBatch);
    }
    int status = 0;
    try {
        Simulate(options, record.get());
    } catch (const kelmar::GameError& e) {
        // The game's own message, as its message box would show it.
        std::cout.flush();
        std::cerr << "kelmar-sim: " << kelmar::ShiftJisToUtf8(e.what()) << "\n";
        status = 1;
    }
    if (record) {
        record->Flush();
        if (record->failed())
            status = 1;
    }
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "kelmar-sim: the output could not be written\n";
        return 1;
    }
    return status;
}
