// A store written by the released game (1.1.0) is taken up without loss, and
// the released game can still open a store the new one has written: the
// achievements view is added without raising user_version. The released
// schema and the statements it prepares are frozen here as it shipped them.
#include <gtest/gtest.h>

#include "record/career_record.h"
#include "record/career_script.h"
#include "support/game_folder.h"

namespace kelmar {
namespace {

using testing::GameFolder;

constexpr const char* kReleasedSchema = R"sql(
CREATE TABLE careers(career INTEGER PRIMARY KEY, shikona TEXT, first_nengo INTEGER,
    first_month INTEGER, basho INTEGER, best_rank INTEGER, yusyo INTEGER, wins INTEGER,
    losses INTEGER, score INTEGER, retired INTEGER);
CREATE TABLE basho(career INTEGER, seq INTEGER, nengo INTEGER, month INTEGER, slot INTEGER,
    rank INTEGER, wins INTEGER, losses INTEGER, champion INTEGER, PRIMARY KEY (career, seq))
    WITHOUT ROWID;
CREATE TABLE bouts(career INTEGER, seq INTEGER, day INTEGER, opponent TEXT,
    opponent_slot INTEGER, opponent_rank INTEGER, won INTEGER, tactic INTEGER,
    opponent_tactic INTEGER, PRIMARY KEY (career, seq, day)) WITHOUT ROWID;
CREATE VIEW rivals(career, opponent, bouts, wins, losses) AS
    SELECT career, opponent, COUNT(*), SUM(won), COUNT(*) - SUM(won) FROM bouts
    GROUP BY career, opponent;
CREATE TABLE saves(fingerprint TEXT NOT NULL, career INTEGER NOT NULL, seq INTEGER NOT NULL);
CREATE INDEX saves_by_fingerprint ON saves(fingerprint);
PRAGMA user_version = 1;
)sql";

// What the released game prepares when it opens a store, after it has read
// a user_version of at most 1.
constexpr const char* kReleasedStatements[] = {
    ("INSERT INTO careers(shikona, first_nengo, first_month, basho, best_rank, yusyo, wins, "
     "losses, score, retired) VALUES(?, ?, ?, 0, NULL, 0, 0, 0, 0, 0)"),
    "INSERT INTO basho VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)",
    "INSERT INTO bouts VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)",
    "UPDATE basho SET champion = 1 WHERE career = ? AND seq = ?",
    "UPDATE careers SET retired = 1, score = ? WHERE career = ?",
    "INSERT INTO saves VALUES(?, ?, ?)",
    "SELECT career, seq FROM saves WHERE fingerprint = ? ORDER BY rowid DESC LIMIT 1",
    "SELECT opponent, bouts, wins, losses FROM rivals WHERE career = ? ORDER BY bouts DESC",
};

int64_t UserVersion(Database& db) {
    Statement q = db.Prepare("PRAGMA user_version");
    q.Step();
    return q.Integer(0);
}

// The released game's open: it refuses a newer user_version and prepares its
// statements; then it writes a career of one basho as it did.
void OpenAsReleased(const std::string& path) {
    Database db(path);
    ASSERT_LE(UserVersion(db), 1) << "the released game would refuse the store";
    for (const char* sql : kReleasedStatements) db.Prepare(sql);
    db.Execute(
        "INSERT INTO careers VALUES(NULL, '古川', 2031, 1, 1, 5, 0, 9, 6, 100, 1);"
        "INSERT INTO basho SELECT MAX(career), 1, 2031, 1, 20, 5, 9, 6, 0 FROM careers;");
}

// A career of three basho as the released game wrote it, bouts and all.
void WriteReleasedStore(const std::string& path) {
    Database db(path);
    db.Execute(kReleasedSchema);
    db.Execute(
        "INSERT INTO careers VALUES(1, '若楓', 2020, 1, 3, 4, 1, 26, 19, 905, 1);"
        "INSERT INTO basho VALUES(1, 1, 2020, 1, 30, 5, 8, 7, 1);"
        "INSERT INTO basho VALUES(1, 2, 2020, 3, 9, 4, 10, 5, 0);"
        "INSERT INTO basho VALUES(1, 3, 2020, 5, 8, 4, 8, 7, 0);"
        "INSERT INTO saves VALUES('0123456789abcdef', 1, 2);");
    Statement bout = db.Prepare("INSERT INTO bouts VALUES(1, ?, ?, ?, 1, 1, ?, 2, 3)");
    const int wins[] = {8, 10, 8};
    for (int seq = 1; seq <= 3; ++seq)
        for (int day = 1; day <= 15; ++day)
            bout.Bind(1, int64_t{seq})
                .Bind(2, int64_t{day})
                .Bind(3, std::string_view(day % 2 ? "横綱山" : "大関海"))
                .Bind(4, int64_t{day <= wins[seq - 1] ? 1 : 0})
                .Run();
}

TEST(ReleasedStore, IsTakenUpWithoutLoss) {
    GameFolder folder;
    WriteReleasedStore("Kelmar.db");
    {
        CareerRecord record("Kelmar.db");
        const std::vector<CareerSummary> careers = record.Careers();
        ASSERT_EQ(careers.size(), 1u);
        EXPECT_EQ(careers[0].shikona, "若楓");
        EXPECT_EQ(careers[0].wins, 26);
        EXPECT_EQ(careers[0].score, 905);
        EXPECT_EQ(record.BashoOf(1).size(), 3u);
        EXPECT_EQ(record.RivalsOf(1).size(), 2u);
        // Basho 1 as a maegashira, day 1 against the yokozuna won.
        std::vector<std::string> codes;
        for (const EarnedAchievement& a : record.AchievementsOf(1)) codes.push_back(a.code);
        EXPECT_EQ(codes, (std::vector<std::string>{"kachikoshi", "sanyaku", "yusho", "kinboshi"}));
        EXPECT_FALSE(record.failed());
        // The released game's rows take new ones beside them.
        testing::RecordScriptedCareer(record, "二の海", {{5, "ooooooooxxxxxxx", false}});
        EXPECT_EQ(record.Careers().size(), 2u);
    }
    Database db("Kelmar.db");
    EXPECT_EQ(UserVersion(db), 1);
    Statement q = db.Prepare(
        "SELECT (SELECT COUNT(*) FROM bouts WHERE career = 1), (SELECT COUNT(*) FROM saves), "
        "(SELECT COUNT(*) FROM sqlite_schema WHERE name = 'achievements')");
    ASSERT_TRUE(q.Step());
    EXPECT_EQ(q.Integer(0), 45);
    EXPECT_EQ(q.Integer(1), 1);
    EXPECT_EQ(q.Integer(2), 1);
}

TEST(ReleasedStore, OpensWhatTheNewGameWrote) {
    for (const bool released : {false, true}) {
        GameFolder folder;
        if (released)
            WriteReleasedStore("Kelmar.db");
        {
            CareerRecord record("Kelmar.db");
            testing::RecordScriptedCareer(record, "若楓", {{5, "ooooooooxxxxxxx", false}});
            ASSERT_FALSE(record.failed());
        }
        OpenAsReleased("Kelmar.db");
        // And the new game again, over the rows the released one added.
        CareerRecord record("Kelmar.db");
        const auto careers = record.Careers();
        ASSERT_EQ(careers.size(), released ? 3u : 2u);
        EXPECT_EQ(careers.back().shikona, "古川");
        EXPECT_EQ(record.AchievementsOf(careers.back().career).size(), 1u);
        EXPECT_FALSE(record.failed());
    }
}

}  // namespace
}  // namespace kelmar
