// kelmar-sim: careers of the game played headless by a scripted player, one
// JSON line per basho or a summary for balance work. Reads the data files of
// the current directory; only --files, --save-after and --record write to disk.
#include <sys/stat.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "sim/options.h"
#include "sim/simulation.h"

#if KELMAR_RECORD
#include "record/career_record.h"

namespace {

// Basho kept in one transaction of the record: a killed run loses at most
// these, never half of one.
constexpr int kRecordBatch = 64;

}  // namespace
#endif

int main(int argc, char** argv) {
    using namespace kelmar::sim;
#ifdef __EMSCRIPTEN__
    // Emscripten starts a program with the file mask 0777, so a file it makes
    // would have no permission at all; a shell's usual mask instead.
    ::umask(022);
#endif
    SimOptions options;
    try {
        options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& e) {
        std::fprintf(stderr, "kelmar-sim: %s\n%s", e.what(), kUsageLine);
        return 2;
    }
    if (options.help) {
        std::fputs(kUsageLine, stdout);
        std::fputs("\n", stdout);
        std::fputs(kHelpText, stdout);
        return 0;
    }
#if !KELMAR_RECORD
    if (!options.record.empty()) {
        std::fprintf(stderr,
                     "kelmar-sim: --record is not available: this build has no career "
                     "record (it needs SQLite)\n");
        return 2;
    }
    int status = Simulate(options);
#else
    // The record is opened before the first basho: a FILE that cannot be
    // used stops the run before it begins.
    std::unique_ptr<kelmar::CareerRecord> record;
    if (!options.record.empty()) {
        record = std::make_unique<kelmar::CareerRecord>(options.record);
        record->SetFailureHandler([](const std::string& path, const kelmar::RecordError& e) {
            std::fprintf(stderr, "kelmar-sim: the career record %s cannot be written: %s\n",
                         path.c_str(), e.what());
        });
        try {
            record->Open();
        } catch (const kelmar::RecordError&) {
            return 1;
        }
        record->SetBatch(kRecordBatch);
    }
    int status = Simulate(options, record.get());
    if (record) {
        record->Flush();
        if (record->failed())
            status = 1;
    }
#endif
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "kelmar-sim: the output could not be written\n");
        return 1;
    }
    return status;
}
