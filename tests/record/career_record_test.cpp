// The career record's store across the ways a game ends: resumed after a crash
// in the basho that copied its career, two programs making one store at once,
// a save in the middle of a batch, a store of a newer version.
#include "record/career_record.h"

#include <gtest/gtest.h>

#include <latch>
#include <string>
#include <thread>
#include <vector>

#include "record/sqlite.h"
#include "support/game_folder.h"
#include "support/store_rows.h"

namespace kelmar {
namespace {

using testing::GameFolder;
using testing::Query;
using testing::Rows;

// Basho `seq` of a career: fifteen bouts, eight of them won.
void PlayBasho(CareerRecord& record, int seq, const std::string& shikona = "Wakakaede") {
    BashoStart start;
    start.nengo = 2030 + seq / 6;
    start.month = 2 * (seq % 6) + 1;
    start.slot = 32 - seq;
    start.rank = 5;
    start.shikona = shikona;
    start.careerWins = (seq - 1) * 8;
    start.careerLosses = (seq - 1) * 7;
    record.BeginBasho(start);
    for (int day = 1; day <= 15; ++day)
        record.AddBout(BoutEntry{day, "Kiriage", 1, 1, day <= 8, 1, 2});
    record.EndBasho(BashoEnd{seq * 8, seq * 7, 100 * seq});
}

// The careers of the store: career, basho, retired.
Rows Careers() {
    return Query("Kelmar.db", "SELECT career, basho, retired FROM careers ORDER BY career");
}

struct ResumeCase {
    const char* what;
    bool retireAfterTheSave;  // else two basho are played past it
    Rows afterTheCopy;
};

// Saved after basho 3. The line is played past the save (or the rikishi
// retires after it), so a resume copies basho 1 to 3 into a new career as
// its first basho begins; the game dies in that basho. Resumed again, the
// save must find the copy, not copy once more.
TEST(CareerRecordResume, AResumeRetriedAfterACrashContinuesTheCopy) {
    const ResumeCase cases[] = {
        {"played past the save", false, {{1, 5, 0}, {2, 3, 0}}},
        {"retired after the save", true, {{1, 3, 1}, {2, 3, 0}}},
    };
    for (const ResumeCase& c : cases) {
        SCOPED_TRACE(c.what);
        GameFolder folder;
        {
            CareerRecord record("Kelmar.db");
            for (int seq = 1; seq <= 3; ++seq) PlayBasho(record, seq);
            record.Saved("save-3");
            if (c.retireAfterTheSave) {
                record.Retire(300);
            } else {
                PlayBasho(record, 4);
                PlayBasho(record, 5);
            }
        }
        for (int attempt = 1; attempt <= 2; ++attempt) {
            SCOPED_TRACE("resumed and killed, time " + std::to_string(attempt));
            CareerRecord record("Kelmar.db");
            record.Resuming("save-3");
            BashoStart start;
            start.nengo = 2030;
            start.month = 9;
            start.shikona = "Wakakaede";
            start.careerWins = 24;
            start.careerLosses = 21;
            record.BeginBasho(start);
            // Killed here: the basho is never ended.
            EXPECT_EQ(Careers(), c.afterTheCopy);
        }
        {
            CareerRecord record("Kelmar.db");
            record.Resuming("save-3");
            PlayBasho(record, 4);
            EXPECT_FALSE(record.failed());
        }
        Rows expected = c.afterTheCopy;
        expected[1][1] = 4;
        EXPECT_EQ(Careers(), expected);
        EXPECT_EQ(Query("Kelmar.db", "SELECT seq FROM basho WHERE career = 2 ORDER BY seq"),
                  (Rows{{1}, {2}, {3}, {4}}));

        // With a basho played past the save on the copy, the same save
        // resumed once more copies again: that line is left behind too.
        {
            CareerRecord record("Kelmar.db");
            record.Resuming("save-3");
            PlayBasho(record, 4);
        }
        expected.push_back({3, 4, 0});
        EXPECT_EQ(Careers(), expected);
    }
}

// A save in the middle of a batch is committed at once, with the basho
// before it, so that it is in the store before the saved game is written.
TEST(CareerRecordSave, ASaveCommitsTheBatchThatHoldsItsBasho) {
    GameFolder folder;
    CareerRecord record("Kelmar.db");
    record.SetBatch(64);
    PlayBasho(record, 1);
    PlayBasho(record, 2);
    EXPECT_EQ(Query("Kelmar.db", "SELECT COUNT(*) FROM basho"), (Rows{{0}}));  // still batched
    record.Saved("save-2");
    EXPECT_EQ(Query("Kelmar.db", "SELECT COUNT(*) FROM basho"), (Rows{{2}}));
    EXPECT_EQ(Query("Kelmar.db", "SELECT career, seq FROM saves WHERE fingerprint = 'save-2'"),
              (Rows{{1, 2}}));
    EXPECT_FALSE(record.failed());
}

// Two programs open a store that does not exist yet at the same moment:
// whichever takes the write lock first makes the schema, and both keep their
// careers. Many rounds, for the moments to fall differently.
TEST(CareerRecordStore, TwoProgramsMakingTheStoreAtOnceBothKeepTheirCareers) {
    GameFolder folder;
    constexpr int kRounds = 20;
    int lost = 0;
    for (int round = 0; round < kRounds; ++round) {
        const std::string file = "race" + std::to_string(round) + ".db";
        std::latch go(2);
        bool failed[2] = {false, false};
        std::string reasons[2];
        auto program = [&](int k) {
            CareerRecord record(file);
            record.SetFailureHandler(
                [&, k](const std::string&, const RecordError& e) { reasons[k] = e.what(); });
            go.arrive_and_wait();
            PlayBasho(record, 1, k == 0 ? "East" : "West");
            failed[k] = record.failed();
        };
        std::thread other(program, 1);
        program(0);
        other.join();
        for (int k = 0; k < 2; ++k) {
            EXPECT_FALSE(failed[k]) << "round " << round << ": " << reasons[k];
            lost += failed[k] ? 1 : 0;
        }
        if (lost > 0)
            break;
        EXPECT_EQ(Query(file, "SELECT COUNT(*), SUM(basho) FROM careers"), (Rows{{2, 2}}))
            << "round " << round;
        EXPECT_EQ(Query(file, "PRAGMA user_version"), (Rows{{1}}));
    }
}

TEST(CareerRecordStore, AStoreOfANewerVersionIsRefusedAndLeftAsItIs) {
    GameFolder folder;
    {
        Database db("Kelmar.db");
        db.Execute("CREATE TABLE kept(x); PRAGMA user_version = 2;");
    }
    CareerRecord record("Kelmar.db");
    try {
        record.Open();
        FAIL() << "a store of version 2 was opened";
    } catch (const RecordError& e) {
        EXPECT_NE(std::string(e.what()).find("newer version"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(record.failed());
    EXPECT_EQ(Query("Kelmar.db", "PRAGMA user_version"), (Rows{{2}}));
    EXPECT_EQ(Query("Kelmar.db", "SELECT COUNT(*) FROM sqlite_master WHERE name = 'careers'"),
              (Rows{{0}}));
}

}  // namespace
}  // namespace kelmar
