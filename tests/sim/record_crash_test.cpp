// kelmar-sim --record killed at the moments of a save (a real process, killed
// by a library put before the C library, see crash_points.cpp), the syncs of
// a batched run, and two runs making one store at once.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "record/sqlite.h"
#include "sim/sim_process.h"
#include "support/game_folder.h"
#include "support/store_rows.h"

namespace kelmar {
namespace {

using testing::GameFolder;
using testing::Query;
using testing::Rows;
using testing::RunSim;
using Environment = std::vector<std::pair<std::string, std::string>>;

// Starts kelmar-sim with the crash library and these variables, its lines
// thrown away and its messages shown. A `gate` (a pipe) is read to its end
// before the program starts, so that several start together when its
// writing end is closed.
pid_t Start(const std::vector<std::string>& args, const Environment& env,
            const int* gate = nullptr) {
    const pid_t child = ::fork();
    if (child != 0)
        return child;
    if (gate != nullptr) {
        ::close(gate[1]);
        char byte;
        while (::read(gate[0], &byte, 1) > 0) {
        }
        ::close(gate[0]);
    }
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, 1);
    ::setenv("LD_PRELOAD", KELMAR_CRASH_POINTS, 1);
    // A sanitizers' build wants its runtime first; ours goes before it.
    const char* asan = std::getenv("ASAN_OPTIONS");
    ::setenv("ASAN_OPTIONS",
             (std::string(asan != nullptr ? asan : "") + ":verify_asan_link_order=0").c_str(), 1);
    for (const auto& [name, value] : env) ::setenv(name.c_str(), value.c_str(), 1);
    std::vector<char*> argv = {const_cast<char*>(KELMAR_SIM_PROGRAM)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execv(KELMAR_SIM_PROGRAM, argv.data());
    ::_exit(127);
}

int Wait(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

struct SaveCrash {
    const char* moment;  // of the saved game taking its place
    bool fileReplaced;
    Rows careers;  // career, basho, retired: after the resume
};

// A career saved after basho 3 is resumed, plays basho 4 and 5 and is saved
// again, and the program is killed just before or just after that save's
// Kelmar.ini takes the place of the old one. Then the game is resumed and
// plays one basho. From the old file, the career at basho 3 goes on (the line
// played past it stays behind, as for any older save); from the new one,
// career 1 goes on with its sixth basho, in one piece.
TEST(SimRecordCrash, AGameKilledAtAnyMomentOfASaveResumesItsCareer) {
    const SaveCrash crashes[] = {
        {"before", false, {{1, 5, 0}, {2, 4, 0}}},
        {"after", true, {{1, 6, 0}}},
    };
    const std::vector<std::string> career = {"--clock", "14844,1000", "--pick",
                                             "7",       "--record",   "run.db"};
    auto with = [&](std::vector<std::string> more) {
        more.insert(more.begin(), career.begin(), career.end());
        return more;
    };
    for (const SaveCrash& crash : crashes) {
        SCOPED_TRACE(std::string("killed ") + crash.moment + " Kelmar.ini is replaced");
        GameFolder folder;
        folder.CopyAllData();
        ASSERT_EQ(RunSim(with({"--basho", "3", "--save-after", "3"})).status, 0);
        const std::string firstSave = folder.Read("Kelmar.ini");

        const int status = Wait(Start(with({"--resume", "--basho", "2", "--save-after", "2"}),
                                      {{"KELMAR_KILL_AT_SAVE", crash.moment}}));
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "the program was not killed at the save (status " << status << ")";
        EXPECT_EQ(folder.Read("Kelmar.ini") != firstSave, crash.fileReplaced);
        EXPECT_EQ(Query("run.db", "SELECT COUNT(*) FROM basho WHERE career = 1"), (Rows{{5}}));

        ASSERT_EQ(RunSim(with({"--resume", "--basho", "1"})).status, 0);
        EXPECT_EQ(Query("run.db", "SELECT career, basho, retired FROM careers ORDER BY career"),
                  crash.careers);
        const size_t resumed = crash.careers.size();
        EXPECT_EQ(Query("run.db", ("SELECT seq, month FROM basho WHERE career = " +
                                   std::to_string(resumed) + " ORDER BY seq")
                                      .c_str()),
                  crash.fileReplaced ? (Rows{{1, 3}, {2, 5}, {3, 7}, {4, 9}, {5, 11}, {6, 1}})
                                     : (Rows{{1, 3}, {2, 5}, {3, 7}, {4, 9}}));
    }
}

// Batched writes keep the store durable: it stays in WAL, and its log is
// synced at every checkpoint, as with synchronous NORMAL. 6,000 basho fill
// the log past SQLite's checkpoint of 1,000 pages twice, and the run ends
// with a last one. (Synchronous OFF never syncs it; a store being made syncs
// it once before any basho.)
TEST(SimRecordCrash, ABatchedRunSyncsItsStoreAtItsCheckpoints) {
    GameFolder folder;
    folder.CopyAllData();
    const int status = Wait(Start({"--basho", "6000", "--careers", "100000", "--record", "run.db"},
                                  {{"KELMAR_COUNT_SYNCS", folder.path() + "/syncs"}}));
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_GE(std::stol(folder.Read("syncs")), 3);
    Database db("run.db");
    Statement mode = db.Prepare("PRAGMA journal_mode");
    ASSERT_TRUE(mode.Step());
    EXPECT_EQ(mode.Text(0), "wal");
}

// Two runs started at the same moment on a store that does not exist yet.
TEST(SimRecordCrash, TwoRunsMakingOneStoreAtOnceBothKeepTheirCareers) {
    GameFolder folder;
    folder.CopyAllData();
    for (int round = 0; round < 5; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const std::string file = "race" + std::to_string(round) + ".db";
        int gate[2];
        ASSERT_EQ(::pipe(gate), 0);
        const std::vector<std::string> args = {"--clock", "14844,1000", "--pick",   "7",
                                               "--basho", "3",          "--record", file};
        const pid_t first = Start(args, {}, gate);
        const pid_t second = Start(args, {}, gate);
        ::close(gate[0]);
        ::close(gate[1]);
        EXPECT_EQ(Wait(first), 0);
        EXPECT_EQ(Wait(second), 0);
        EXPECT_EQ(Query(file, "SELECT COUNT(*), SUM(basho) FROM careers"), (Rows{{2, 6}}));
    }
}

}  // namespace
}  // namespace kelmar
