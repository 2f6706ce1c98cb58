// The achievements view against careers made up for it, each feat at its
// edge: 7 and 8 wins, 14 and 15 wins in a row across two basho, the 499th and
// the 500th win, the ranks, the championships, the basho 59 and 60, the bout
// against a yokozuna; and a career copied by a resume past its save.
#include <gtest/gtest.h>

#include <sstream>

#include "record/career_script.h"
#include "support/game_folder.h"

namespace kelmar {
namespace {

using testing::GameFolder;
using testing::RecordScriptedCareer;
using testing::Repeat;
using testing::ScriptedBasho;
using testing::Then;

// "kachikoshi@2 renso15@3/9": the codes of a career with their basho and day.
std::string Listed(const std::vector<EarnedAchievement>& found) {
    std::ostringstream out;
    for (const EarnedAchievement& a : found) {
        out << (out.tellp() > 0 ? " " : "") << a.code << '@' << a.seq;
        if (a.day)
            out << '/' << *a.day;
    }
    return out.str();
}

ScriptedBasho Days(const std::string& days, int32_t rank = 5, bool champion = false) {
    return ScriptedBasho{rank, days, champion};
}

const std::string kAllWon = "ooooooooooooooo";
const std::string kAllLost = "xxxxxxxxxxxxxxx";

struct Case {
    const char* name;
    std::vector<ScriptedBasho> career;
    const char* expected;
};

const Case kCases[] = {
    {"seven wins are no kachikoshi, eight are",
     {Days("oooooooxxxxxxxx"), Days("ooooooooxxxxxxx")},
     "kachikoshi@2"},
    {"fourteen in a row across two basho are no renso",
     {Days("xxxxxxxxxoooooo"), Days("ooooooooxxxxxxx")},
     "kachikoshi@2"},
    {"fifteen in a row across two basho end on the day of the fifteenth",
     {Days("xxxxxxxxxoooooo"), Days("oooooooooxxxxxx")},
     "kachikoshi@2 renso15@2/9"},
    {"a basho of fifteen wins carries the run of the basho before",
     {Days("xxxxxxxxxxxxxxo"), Days(kAllWon), Days(kAllWon)},
     "kachikoshi@2 renso15@2/14"},
    {"a loss on the last day starts the run again",
     {Days("oooooooooooooox"), Days(kAllWon)},
     "kachikoshi@1 renso15@2/15"},
    {"the 499th win is not the 500th", Then(Repeat(Days(kAllWon), 33), {Days("oxoxoxoxxxxxxxx")}),
     "kachikoshi@1 renso15@1/15"},
    {"the 500th win is on its day", Then(Repeat(Days(kAllWon), 33), {Days("oxoxoxoxoxoxoxo")}),
     "kachikoshi@1 renso15@1/15 wins500@34/9"},
    {"a maegashira to komusubi is new in sanyaku",
     {Days(kAllLost, 5), Days(kAllLost, 4)},
     "sanyaku@2"},
    {"each rank on the way to yokozuna",
     {Days(kAllLost, 5), Days(kAllLost, 3), Days(kAllLost, 2), Days(kAllLost, 1)},
     "sanyaku@2 ozeki@3 yokozuna@4"},
    {"a championship of 14 wins, then one of 15",
     {Days("xoooooooooooooo", 5, true), Days(kAllWon, 5, true), Days(kAllLost)},
     "kachikoshi@1 yusho@1 zensho@2 renso15@2/1"},
    {"the champion of the last basho is not known",
     {Days(kAllWon, 5, true)},
     "kachikoshi@1 renso15@1/15"},
    {"a yokozuna beaten by a komusubi or beating a maegashira is no kinboshi",
     {Days("Kxxxxxxxxxxxxxx", 4), Days("xxxxxkxxxxxxxxx", 5), Days("xxxxxKxxxxxxxxx", 5)},
     "sanyaku@1 kinboshi@3/6"},
    {"59 basho are no ten years", Repeat(Days(kAllLost), 59), ""},
    {"the 60th basho is ten years", Repeat(Days(kAllLost), 60), "basho60@60"},
};

TEST(Achievements, EachAtItsEdge) {
    for (const Case& c : kCases) {
        GameFolder folder;
        CareerRecord record("Kelmar.db");
        RecordScriptedCareer(record, "若楓", c.career);
        const auto career = record.CurrentOrLastCareer();
        ASSERT_TRUE(career) << c.name;
        EXPECT_EQ(Listed(record.AchievementsOf(*career)), c.expected) << c.name;
        EXPECT_FALSE(record.failed()) << c.name;
    }
}

TEST(Achievements, CarryTheYearAndMonthOfTheirBasho) {
    GameFolder folder;
    CareerRecord record("Kelmar.db");
    // Basho 8 is March of the second year.
    RecordScriptedCareer(record, "若楓",
                         Then(Repeat(Days(kAllLost), 7), {Days("ooooooooxxxxxxx", 4)}));
    const auto found = record.AchievementsOf(*record.CurrentOrLastCareer());
    ASSERT_EQ(found.size(), 2u);
    for (const EarnedAchievement& a : found) {
        EXPECT_EQ(a.seq, 8) << a.code;
        EXPECT_EQ(a.nengo, 2021) << a.code;
        EXPECT_EQ(a.month, 3) << a.code;
    }
}

TEST(Achievements, TalliesCountEveryCareerAndNameTheFirst) {
    GameFolder folder;
    CareerRecord record("Kelmar.db");
    RecordScriptedCareer(record, "一の山", {Days(kAllLost), Days(kAllLost, 4)});
    RecordScriptedCareer(record, "二の海", {Days("ooooooooxxxxxxx")});
    RecordScriptedCareer(record, "三の里", {Days(kAllLost, 3), Days("ooooooooooxxxxx")});
    const std::vector<AchievementTally> tallies = record.AchievementTallies();
    ASSERT_EQ(tallies.size(), kAchievements.size());
    for (size_t i = 0; i < tallies.size(); ++i) EXPECT_EQ(tallies[i].code, kAchievements[i].code);
    const AchievementTally& sanyaku = tallies[*AchievementIndex("sanyaku")];
    EXPECT_EQ(sanyaku.careers, 2);
    EXPECT_EQ(sanyaku.firstCareer, 1);
    EXPECT_EQ(sanyaku.shikona, "一の山");
    EXPECT_EQ(sanyaku.nengo, 2020);
    EXPECT_EQ(sanyaku.month, 3);
    const AchievementTally& kachikoshi = tallies[*AchievementIndex("kachikoshi")];
    EXPECT_EQ(kachikoshi.careers, 2);
    EXPECT_EQ(kachikoshi.firstCareer, 2);
    EXPECT_EQ(kachikoshi.shikona, "二の海");
    EXPECT_EQ(kachikoshi.month, 1);
    const AchievementTally& yokozuna = tallies[*AchievementIndex("yokozuna")];
    EXPECT_EQ(yokozuna.careers, 0);
    EXPECT_EQ(yokozuna.firstCareer, 0);
    EXPECT_TRUE(yokozuna.shikona.empty());
}

// A saved game resumed after the line went past its save: the rows up to the
// save are copied into a new career, which has the achievements of its rows.
TEST(Achievements, ACareerCopiedByAResumeCounts) {
    GameFolder folder;
    CareerRecord record("Kelmar.db");
    RecordScriptedCareer(record, "若楓", {Days("ooooooooxxxxxxx"), Days(kAllLost, 4)}, false);
    record.Saved("save");
    BashoStart third;
    third.nengo = 2020;
    third.month = 5;
    third.slot = 20;
    third.rank = 5;
    third.shikona = "若楓";
    record.Resuming("save");
    record.BeginBasho(third);
    for (int day = 1; day <= 15; ++day)
        record.AddBout(BoutEntry{day, "横綱山", 1, 1, day == 3, 1, 2});
    record.EndBasho(BashoEnd{9, 21, 0});
    const std::vector<CareerSummary> careers = record.Careers();
    ASSERT_EQ(careers.size(), 1u) << "nothing was played past the save: the line goes on";
    EXPECT_EQ(Listed(record.AchievementsOf(careers[0].career)),
              "kachikoshi@1 sanyaku@2 kinboshi@3/3");

    // Resumed again from the same save: the line has gone past it, so the
    // rows up to the save make a second career.
    record.Resuming("save");
    record.BeginBasho(third);
    for (int day = 1; day <= 15; ++day)
        record.AddBout(BoutEntry{day, "前頭川", 20, 5, false, 1, 2});
    record.EndBasho(BashoEnd{8, 37, 0});
    ASSERT_EQ(record.Careers().size(), 2u);
    EXPECT_EQ(Listed(record.AchievementsOf(2)), "kachikoshi@1 sanyaku@2");
    const auto tallies = record.AchievementTallies();
    EXPECT_EQ(tallies[*AchievementIndex("sanyaku")].careers, 2);
    EXPECT_EQ(tallies[*AchievementIndex("kinboshi")].careers, 1);
}

}  // namespace
}  // namespace kelmar
