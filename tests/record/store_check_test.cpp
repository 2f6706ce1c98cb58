// A store taken up by one exclusive connection (the page's journal), the check
// of a file brought to replace the store, and the career card's layout.
#include "record/store_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "record/career_card.h"
#include "record/career_record.h"
#include "record/career_script.h"
#include "record/sqlite.h"
#include "state/encoding.h"
#include "state/shift_jis_literal.h"
#include "support/game_folder.h"
#include "support/store_rows.h"

namespace kelmar {
namespace {

using testing::GameFolder;
using testing::Query;
using testing::RecordScriptedCareer;
using testing::Repeat;
using testing::ScriptedBasho;

std::string Bytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The journal marks of the header, bytes 18 and 19: 1 for a rollback
// journal, 2 for WAL.
std::string JournalMarks(const std::string& path) {
    return Bytes(path).substr(18, 2);
}

void WriteCareers(StoreJournal journal, int careers) {
    CareerRecord record("Kelmar.db", journal);
    for (int i = 0; i < careers; ++i)
        RecordScriptedCareer(record, "若楓", Repeat({5, "ooooooooxxxxxxx", false}, 3));
}

TEST(ExclusiveJournal, TakesUpAStoreMarkedWalAndKeepsItWhole) {
    GameFolder folder;
    WriteCareers(StoreJournal::Wal, 2);
    ASSERT_EQ(JournalMarks("Kelmar.db"), std::string("\x02\x02"));
    {
        CareerRecord record("Kelmar.db", StoreJournal::Exclusive);
        EXPECT_EQ(record.Careers().size(), 2u);
        RecordScriptedCareer(record, "若楓", Repeat({4, "ooooooooooxxxxx", false}, 2));
        // Each write is in the file itself: nothing waits in a journal beside it.
        EXPECT_FALSE(std::filesystem::exists("Kelmar.db-wal"));
        EXPECT_FALSE(std::filesystem::exists("Kelmar.db-journal"));
        EXPECT_EQ(JournalMarks("Kelmar.db"), std::string("\x01\x01"));
        // A copy of the file taken now is the whole store, as the page keeps it.
        Write("Copy.db", Bytes("Kelmar.db"));
    }
    EXPECT_EQ(Query("Copy.db", "SELECT COUNT(*), SUM(basho) FROM careers"),
              (testing::Rows{{3, 8}}));
    EXPECT_FALSE(StoreRefusal("Copy.db").has_value());
    // The desktop takes the page's store back in its own journal.
    CareerRecord desktop("Copy.db");
    EXPECT_EQ(desktop.Careers().size(), 3u);
    EXPECT_EQ(JournalMarks("Copy.db"), std::string("\x02\x02"));
}

struct RefusalCase {
    const char* what;
    void (*make)();
    std::string_view refusal;  // the message's beginning, empty when taken
};

void MakeText() {
    Write("Kelmar.db", "[Wres]\r\n1=a\r\n");
}
void MakeEmpty() {
    Write("Kelmar.db", "");
}
void MakeNewer() {
    WriteCareers(StoreJournal::Wal, 1);
    Database("Kelmar.db").Execute("PRAGMA user_version = 2");
}
void MakeForeign() {
    Database("Kelmar.db").Execute("CREATE TABLE notes(text TEXT)");
}
void MakeWithoutBouts() {
    WriteCareers(StoreJournal::Wal, 1);
    Database("Kelmar.db").Execute("DROP VIEW achievements; DROP VIEW rivals; DROP TABLE bouts");
}
void MakeDamaged() {
    WriteCareers(StoreJournal::Exclusive, 30);
    std::string bytes = Bytes("Kelmar.db");
    const size_t page = 4096;
    ASSERT_GT(bytes.size(), 4 * page);
    // The cells at the end of the third page wiped.
    bytes.replace(3 * page - 600, 500, 500, '\0');
    Write("Kelmar.db", bytes);
}
void MakeGood() {
    WriteCareers(StoreJournal::Wal, 2);
}

TEST(StoreRefusal, RefusesWhatIsNoStoreOfThisGame) {
    const RefusalCase cases[] = {
        {"a text file", MakeText, sj<"ケルマーの記録ではありません（SQLite">},
        {"an empty file", MakeEmpty, sj<"ケルマーの記録ではありません（SQLite">},
        {"a store of a newer game", MakeNewer, sj<"新しい版">},
        {"another program's database", MakeForeign, sj<"ケルマーの記録ではありません（記録の版">},
        {"a store without its bouts", MakeWithoutBouts, sj<"ケルマーの記録として読めません">},
        {"a damaged store", MakeDamaged, sj<"記録のファイルが壊れています">},
        {"a store of the game, marked WAL", MakeGood, ""},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.what);
        GameFolder folder;
        c.make();
        const std::string before = Bytes("Kelmar.db");
        const auto refusal = StoreRefusal("Kelmar.db");
        if (c.refusal.empty()) {
            EXPECT_FALSE(refusal.has_value()) << *refusal;
        } else {
            ASSERT_TRUE(refusal.has_value());
            EXPECT_EQ(refusal->substr(0, c.refusal.size()), c.refusal) << *refusal;
        }
        // The check reads the file and leaves nothing beside it.
        EXPECT_EQ(Bytes("Kelmar.db"), before);
        EXPECT_FALSE(std::filesystem::exists("Kelmar.db-wal"));
    }
}

TEST(CareerCard, TheFactsAndTheTrajectoryOfACareer) {
    GameFolder folder;
    CareerRecord record("Kelmar.db");
    const std::vector<ScriptedBasho> career = {
        {5, "ooooooooxxxxxxx", false}, {3, "ooooooooooooooo", true}, {1, "oooooooooooooxx", false}};
    RecordScriptedCareer(record, "若楓", career);
    const int64_t id = *record.CurrentOrLastCareer();
    const std::vector<BashoRow> basho = record.BashoOf(id);
    const CareerCard card = ComposeCard(
        ComposeCover(*record.Career(id), basho, record.RivalsOf(id), record.AchievementsOf(id)),
        basho);
    EXPECT_GE(card.width, 600);
    EXPECT_GE(card.height, 360);
    std::vector<std::string> texts;
    for (const CardText& t : card.texts) {
        texts.push_back(t.text);
        EXPECT_GE(t.x, 0);
        EXPECT_LE(t.y, card.height);
        EXPECT_GE(t.y - t.size, 0) << t.text;
    }
    const auto has = [&](std::string_view text) {
        return std::find(texts.begin(), texts.end(), std::string(text)) != texts.end();
    };
    for (std::string_view expected :
         {sj<"若楓">, sj<"2020年1月場所">, sj<"2020年5月場所">, sj<"横綱">, sj<"36勝9敗">,
          sj<"1回">, sj<"初優勝">, sj<"全勝優勝">})
        EXPECT_TRUE(has(expected)) << expected;
    EXPECT_TRUE(has(sj<"引退">));
    // One point a basho, left to right, higher as the rank rises, the
    // champion's starred, all inside the frame.
    ASSERT_EQ(card.points.size(), 3u);
    EXPECT_LT(card.points[0].x, card.points[1].x);
    EXPECT_GT(card.points[0].y, card.points[2].y);
    EXPECT_EQ(card.points[0].colour, kRankColours[4]);
    EXPECT_EQ(card.points[2].colour, kRankColours[0]);
    EXPECT_FALSE(card.points[0].champion);
    EXPECT_TRUE(card.points[1].champion);
    const CardRect& f = card.trajectory;
    for (const CardPoint& p : card.points) {
        EXPECT_TRUE(p.x > f.left && p.x < f.left + f.width && p.y > f.top &&
                    p.y < f.top + f.height);
    }
    EXPECT_LE(f.left + f.width, card.width);
    EXPECT_LE(card.title.left + card.title.width, card.width);
}

// The card in English: no kana or kanji left, the names in romaji, and the
// feats' longer names two to a line, every one clear of the trajectory and
// inside the card; in Japanese the game's own card.
TEST(CareerCard, InEnglishEveryTextFitsItsPlace) {
    GameFolder folder;
    folder.CopyData("romaji.txt");
    CareerRecord record("Kelmar.db");
    const std::vector<ScriptedBasho> career = {{5, "oooooooooxxxxxx", false},
                                               {4, "ooooooooooxxxxx", true},
                                               {3, "ooooooooooooooo", true},
                                               {2, "oooooooxxxxxxxx", false},
                                               {1, "ooooooooxxxxxxx", false}};
    RecordScriptedCareer(record, "若楓", career);
    const int64_t id = *record.CurrentOrLastCareer();
    const std::vector<BashoRow> basho = record.BashoOf(id);
    const CareerCover cover =
        ComposeCover(*record.Career(id), basho, record.RivalsOf(id), record.AchievementsOf(id));
    ASSERT_GE(cover.achievements.size(), 6u);
    const CareerCard english = CardIn(Language::English, cover, basho);
    std::vector<std::string> texts;
    for (const CardText& t : english.texts) {
        texts.push_back(t.text);
        for (const char c : t.text) EXPECT_GE(c, ' ') << t.text;  // ASCII alone
        // The card's Gothic is monospaced: an ASCII letter half its size.
        const int right = t.x + static_cast<int>(t.text.size()) * t.size / 2;
        if (t.x < english.trajectory.left) {
            EXPECT_LE(right, english.trajectory.left) << t.text;
        }
        EXPECT_LE(right, english.width - english.borderWidth) << t.text;
        EXPECT_LE(t.y + 3, english.height - english.borderWidth) << t.text;
    }
    for (const char* expected : {"Wakakaede", "January 2020 basho", "Yokozuna", "Retired",
                                 "September 2020 basho", "First yusho", "Fifteen straight wins"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;

    const CareerCard japanese = CardIn(Language::Japanese, cover, basho);
    const CareerCard game = ComposeCard(cover, basho);
    ASSERT_EQ(japanese.texts.size(), game.texts.size());
    for (size_t i = 0; i < game.texts.size(); ++i) {
        EXPECT_EQ(Utf8ToShiftJis(japanese.texts[i].text), game.texts[i].text);
        EXPECT_EQ(japanese.texts[i].x, game.texts[i].x);
        EXPECT_EQ(japanese.texts[i].y, game.texts[i].y);
    }
}

}  // namespace
}  // namespace kelmar
