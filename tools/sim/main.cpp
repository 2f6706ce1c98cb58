// kelmar-sim: careers of the game played headless by a scripted player, one
// JSON line per basho or a summary for balance work. Reads the data files of
// the current directory; only --files and --save-after write to disk.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/sim/options.h"
#include "tools/sim/simulation.h"

int main(int argc, char** argv) {
    using namespace kelmar::sim;
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
    const int status = Simulate(options);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "kelmar-sim: the output could not be written\n");
        return 1;
    }
    return status;
}
