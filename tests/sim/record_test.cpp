// kelmar-sim --record FILE: the career record of a scripted run, held against
// the run's own lines; a resumed run continuing its rows; a run killed in the
// middle; a FILE that cannot be used.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <string_view>

#include "record/sqlite.h"
#include "sim/sim_lines.h"
#include "sim/sim_process.h"
#include "support/game_folder.h"
#include "support/store_rows.h"

namespace kelmar {
namespace {

using testing::GameFolder;
using testing::Json;
using testing::ParsedLines;
using testing::Query;
using testing::Rows;
using testing::RunSim;
using testing::SimResult;

int64_t One(const std::string& file, const std::string& sql) {
    const Rows rows = Query(file, sql);
    return rows.empty() || rows[0].empty() ? -1 : rows[0][0];
}

const Json& PlayerSlot(const Json& line) {
    return line["slots"][line["player"].get<size_t>() - 1];
}

// The rows the game writes, worked out from the lines of the run: a basho
// row for every call that did not end a career, the champion known from the
// call after it, and the career's totals.
struct ExpectedCareer {
    Rows basho;                   // seq, nengo, month, slot, rank, wins, losses, champion
    std::vector<int64_t> career;  // basho, best_rank, yusyo, wins, losses, score, retired
};

std::vector<ExpectedCareer> CareersOfLines(const std::vector<Json>& lines) {
    std::vector<ExpectedCareer> careers(1);
    int64_t lostBefore = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        const Json& line = lines[i];
        ExpectedCareer& c = careers.back();
        if (line["retired"].get<bool>()) {
            c.career[6] = 1;
            careers.emplace_back();
            lostBefore = 0;
            continue;
        }
        const Json& p = PlayerSlot(line);
        const int64_t lost = p["tlose"].get<int64_t>() - lostBefore;
        lostBefore = p["tlose"].get<int64_t>();
        const bool crowned = i + 1 < lines.size() && !lines[i + 1]["retired"].get<bool>() &&
                             lines[i + 1]["lastwin"] == lines[i + 1]["player"];
        const int64_t rank = std::stoi(p["stage"].get<std::string>());
        c.basho.push_back({static_cast<int64_t>(c.basho.size() + 1), line["nengo"].get<int64_t>(),
                           2 * line["basyo6"].get<int64_t>() + 1, line["player"].get<int64_t>(),
                           rank, p["w"].get<int64_t>(), lost, crowned ? 1 : 0});
        const int64_t best = c.career.empty() ? rank : std::min(c.career[1], rank);
        const int64_t yusyo = (c.career.empty() ? 0 : c.career[2]) + (crowned ? 1 : 0);
        c.career = {static_cast<int64_t>(c.basho.size()),
                    best,
                    yusyo,
                    p["twin"].get<int64_t>(),
                    p["tlose"].get<int64_t>(),
                    line["myp"].get<int64_t>(),
                    0};
    }
    if (careers.back().basho.empty())
        careers.pop_back();
    return careers;
}

TEST(SimRecord, TheRowsOfTwoScriptedCareersAreThoseOfTheirLines) {
    GameFolder folder;
    folder.CopyAllData();
    const SimResult r = RunSim({"--clock", "8000,1000", "--tactic", "cycle", "--basho", "60",
                                "--careers", "3", "--record", "run.db"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<ExpectedCareer> expected = CareersOfLines(ParsedLines(r.out));
    ASSERT_EQ(expected.size(), 3u);
    for (size_t k = 0; k < expected.size(); ++k) {
        const std::string career = std::to_string(k + 1);
        SCOPED_TRACE("career " + career);
        EXPECT_EQ(Query("run.db",
                        "SELECT seq, nengo, month, slot, rank, wins, losses, champion FROM basho "
                        "WHERE career = " +
                            career + " ORDER BY seq"),
                  expected[k].basho);
        EXPECT_EQ(Query("run.db",
                        "SELECT basho, best_rank, yusyo, wins, losses, score, retired FROM careers "
                        "WHERE career = " +
                            career)[0],
                  expected[k].career);
        // The achievements of the basho rows: the first basho that fits, or none (-1).
        const std::pair<const char*, bool (*)(const std::vector<int64_t>&)> firsts[] = {
            {"kachikoshi", [](const std::vector<int64_t>& b) { return b[5] >= 8; }},
            {"sanyaku", [](const std::vector<int64_t>& b) { return b[4] <= 4; }},
            {"yusho", [](const std::vector<int64_t>& b) { return b[7] == 1; }},
        };
        for (const auto& [code, fits] : firsts) {
            int64_t first = -1;
            for (const std::vector<int64_t>& b : expected[k].basho)
                if (first < 0 && fits(b))
                    first = b[0];
            EXPECT_EQ(One("run.db", "SELECT seq FROM achievements WHERE career = " + career +
                                        " AND code = '" + code + "'"),
                      first)
                << code;
        }
    }
    // Every basho of the player is fifteen bouts, his wins among them.
    EXPECT_EQ(Query("run.db",
                    "SELECT b.career, b.seq FROM basho b JOIN bouts t USING (career, seq) "
                    "GROUP BY b.career, b.seq HAVING COUNT(*) != 15 OR SUM(t.won) != b.wins"),
              Rows{});
    EXPECT_EQ(One("run.db",
                  "SELECT COUNT(*) FROM bouts WHERE tactic NOT BETWEEN 1 AND 3 OR "
                  "opponent_tactic NOT BETWEEN 1 AND 3"),
              0);
    // The scripted player cycles his tactics over the tactic windows of the run.
    EXPECT_EQ(Query("run.db", "SELECT tactic FROM bouts WHERE career = 3 AND seq = 1 AND day <= 4"),
              (Rows{{1}, {2}, {3}, {1}}));
    EXPECT_EQ(One("run.db", "PRAGMA user_version"), 1);

    // The same run again appends its careers.
    ASSERT_EQ(RunSim({"--clock", "8000,1000", "--tactic", "cycle", "--basho", "60", "--careers",
                      "3", "--record", "run.db"})
                  .status,
              0);
    EXPECT_EQ(Query("run.db", "SELECT career, basho FROM careers WHERE career > 3"),
              (Rows{{4, 1}, {5, 1}, {6, expected[2].career[0]}}));
}

// A save after call 3; the run goes on to call 5 and is resumed from the save.
TEST(SimRecord, AResumedCareerContinuesItsRows) {
    GameFolder folder;
    folder.CopyAllData();
    const std::vector<std::string> career = {"--clock", "14844,1000", "--pick",
                                             "7",       "--record",   "run.db"};
    auto with = [&](std::vector<std::string> more) {
        more.insert(more.begin(), career.begin(), career.end());
        return more;
    };
    // Saved and resumed with nothing played past the save: one career, on.
    ASSERT_EQ(RunSim(with({"--basho", "3", "--save-after", "3"})).status, 0);
    ASSERT_EQ(RunSim(with({"--resume", "--basho", "2"})).status, 0);
    EXPECT_EQ(Query("run.db", "SELECT career, basho, retired FROM careers"), (Rows{{1, 5, 0}}));
    EXPECT_EQ(Query("run.db", "SELECT seq, month FROM basho ORDER BY seq"),
              (Rows{{1, 3}, {2, 5}, {3, 7}, {4, 9}, {5, 11}}));

    // The same save resumed again, after two basho were played past it: the
    // line played on stays as it was, and a new career carries basho 1 to 3.
    ASSERT_EQ(RunSim(with({"--resume", "--basho", "1"})).status, 0);
    EXPECT_EQ(Query("run.db", "SELECT career, basho, retired FROM careers"),
              (Rows{{1, 5, 0}, {2, 4, 0}}));
    EXPECT_EQ(Query("run.db",
                    "SELECT seq, nengo, month, slot, rank, wins, losses FROM basho "
                    "WHERE career = 2 AND seq <= 3"),
              Query("run.db",
                    "SELECT seq, nengo, month, slot, rank, wins, losses FROM basho "
                    "WHERE career = 1 AND seq <= 3"));
    EXPECT_EQ(One("run.db", "SELECT month FROM basho WHERE career = 2 AND seq = 4"), 9);
    EXPECT_EQ(One("run.db", "SELECT COUNT(*) FROM bouts WHERE career = 2"), 60);

    // A save this record has never seen starts a career of its own.
    std::vector<std::string> elsewhere = {"--clock", "14844,1000", "--resume", "--basho",
                                          "2",       "--record",   "other.db"};
    ASSERT_EQ(RunSim(elsewhere).status, 0);
    EXPECT_EQ(Query("other.db", "SELECT career, basho, first_month FROM careers"),
              (Rows{{1, 2, 9}}));
}

// A run killed while it writes leaves whole basho only: every one with its
// fifteen bouts, every career row counting its basho. It is killed once its
// lines show three batches of basho written: the basho of a line that did not
// end a career is committed (with its batch of 64) before the line is printed.
TEST(SimRecord, AKillInTheMiddleOfARunLeavesAConsistentStore) {
    GameFolder folder;
    folder.CopyAllData();
    int lines[2];
    ASSERT_EQ(::pipe(lines), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::dup2(lines[1], 1);
        ::close(lines[0]);
        ::close(lines[1]);
        ::execl(KELMAR_SIM_PROGRAM, KELMAR_SIM_PROGRAM, "--basho", "1000000", "--careers",
                "1000000", "--record", "run.db", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(lines[1]);
    constexpr int64_t kSeen = 3 * 64;
    int64_t basho = 0;
    std::string pending;
    char buffer[1 << 16];
    ssize_t n = 0;
    while (basho < kSeen && (n = ::read(lines[0], buffer, sizeof buffer)) > 0) {
        pending.append(buffer, static_cast<size_t>(n));
        for (size_t end; (end = pending.find('\n')) != std::string::npos;) {
            if (std::string_view(pending).substr(0, end).find("\"retired\":false") !=
                std::string_view::npos)
                ++basho;
            pending.erase(0, end + 1);
        }
    }
    ::kill(child, SIGKILL);
    ::close(lines[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the run ended before it was killed";
    ASSERT_GE(basho, kSeen) << "the run printed too few lines";

    Database db("run.db");
    Statement check = db.Prepare("PRAGMA integrity_check");
    ASSERT_TRUE(check.Step());
    EXPECT_EQ(check.Text(0), "ok");
    EXPECT_GE(One("run.db", "SELECT COUNT(*) FROM basho"), kSeen);
    EXPECT_EQ(One("run.db",
                  "SELECT COUNT(*) FROM basho b WHERE (SELECT COUNT(*) FROM bouts t "
                  "WHERE t.career = b.career AND t.seq = b.seq) != 15"),
              0);
    EXPECT_EQ(One("run.db",
                  "SELECT COUNT(*) FROM bouts t WHERE NOT EXISTS (SELECT 1 FROM basho "
                  "b WHERE b.career = t.career AND b.seq = t.seq)"),
              0);
    EXPECT_EQ(One("run.db",
                  "SELECT COUNT(*) FROM careers c WHERE basho != (SELECT COUNT(*) "
                  "FROM basho b WHERE b.career = c.career)"),
              0);
}

TEST(SimRecord, AFileThatCannotBeUsedStopsTheRunBeforeTheFirstBasho) {
    GameFolder folder;
    folder.CopyAllData();
    folder.Write("garbage.db", std::string(4096, 'x'));
    for (const std::string file : {"no/such/folder/run.db", "garbage.db"}) {
        SCOPED_TRACE(file);
        const SimResult r = RunSim({"--record", file});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("kelmar-sim: the career record " + file), std::string::npos) << r.err;
    }
    EXPECT_EQ(folder.Read("garbage.db"), std::string(4096, 'x'));
}

}  // namespace
}  // namespace kelmar
