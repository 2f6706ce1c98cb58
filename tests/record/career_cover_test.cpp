// The cover of a career: its facts and its biography's sentences for a short
// and a long career and one that goes on, and the best rival among ties.
#include "record/career_cover.h"

#include <gtest/gtest.h>

#include "record/career_script.h"
#include "state/shift_jis_literal.h"
#include "state/strings.h"
#include "support/game_folder.h"

namespace kelmar {
namespace {

using testing::GameFolder;
using testing::RecordScriptedCareer;
using testing::ScriptedBasho;

CareerCover CoverOf(const std::vector<ScriptedBasho>& career, bool retire = true) {
    CareerRecord record("Kelmar.db");
    RecordScriptedCareer(record, "若楓", career, retire);
    const int64_t id = *record.CurrentOrLastCareer();
    return ComposeCover(*record.Career(id), record.BashoOf(id), record.RivalsOf(id),
                        record.AchievementsOf(id));
}

// Opponents by day: 前頭川0 on days 1, 5, 9 and 13, 前頭川1 on 2, 6, 10, 14 ...
struct Case {
    const char* name;
    std::vector<ScriptedBasho> career;
    bool retire;
    std::vector<std::string> biography;
};

const Case kCases[] = {
    {"a short career of one basho",
     {{5, "ooooooooxxxxxxx", false}},
     true,
     {sj<"若楓、2020年1月場所に前頭で初土俵。いきなり8勝7敗。">,
      sj<"最高位は前頭、番付を上げることはかなわず。">, sj<"好敵手は前頭川0、4度の対戦で2勝2敗。">,
      sj<"2020年1月場所を最後に土俵を去った。通算8勝7敗。">}},
    {"a long career up to yokozuna",
     {{5, "oooooooooxxxxxx", false},
      {4, "ooooooooooxxxxx", true},
      {3, "ooooooooooooooo", true},
      {2, "oooooooxxxxxxxx", false},
      {3, "xxxxxxxxxxxxxxx", false},
      {2, "ooooooooxxxxxxx", false},
      {1, "ooooooooxxxxxxx", false},
      {1, "xxxxxxxxxxxxxxx", false}},
     true,
     {sj<"若楓、2020年1月場所に前頭で初土俵。いきなり9勝6敗。">,
      sj<"2020年3月場所に新小結、2020年5月場所に新関脇、2020年7月場所に新大関、"
         "2021年1月場所に新横綱と駆け上がり、ついに綱を張った！">,
      sj<"初優勝は2020年3月場所、賜杯を抱くこと通算2回。">, sj<"全勝優勝の快挙も成し遂げた！">,
      sj<"好敵手は前頭川0、32度の対戦で16勝16敗。">,
      sj<"2021年3月場所を最後に土俵を去った。通算57勝63敗。">}},
    {"a career that goes on, promoted once",
     {{5, "xxxxxxxxxxxxxxx", false}, {4, "oooxxxxxxxxxxxx", false}},
     false,
     {sj<"若楓、2020年1月場所に前頭で初土俵。デビューは0勝15敗。">,
      sj<"2020年3月場所に新小結と出世した。">, sj<"好敵手は前頭川0、8度の対戦で1勝7敗。">,
      sj<"2020年3月場所まで2場所を務め、通算3勝27敗。">}},
};

TEST(CareerCover, BiographiesOfThreeToSixSentences) {
    for (const Case& c : kCases) {
        GameFolder folder;
        const CareerCover cover = CoverOf(c.career, c.retire);
        EXPECT_EQ(cover.biography, c.biography) << c.name;
        EXPECT_GE(cover.biography.size(), 3u) << c.name;
        EXPECT_LE(cover.biography.size(), 6u) << c.name;
    }
}

TEST(CareerCover, TheFactsOfALongCareer) {
    GameFolder folder;
    const CareerCover cover = CoverOf(kCases[1].career);
    EXPECT_EQ(cover.shikona, sj<"若楓">);
    EXPECT_EQ(cover.firstNengo, 2020);
    EXPECT_EQ(cover.firstMonth, 1);
    EXPECT_EQ(cover.lastNengo, 2021);
    EXPECT_EQ(cover.lastMonth, 3);
    EXPECT_EQ(cover.bestRank, sj<"横綱">);
    EXPECT_EQ(cover.wins, 57);
    EXPECT_EQ(cover.losses, 63);
    EXPECT_EQ(cover.yusyo, 2);
    EXPECT_TRUE(cover.retired);
    std::vector<std::string> achieved;
    for (const CoverAchievement& a : cover.achievements)
        achieved.push_back(a.name + IntToStr(a.nengo) + "/" + IntToStr(a.month));
    EXPECT_EQ(achieved,
              (std::vector<std::string>{sj<"初勝ち越し2020/1">, sj<"新三役2020/3">,
                                        sj<"新大関2020/7">, sj<"新横綱2021/1">, sj<"初優勝2020/3">,
                                        sj<"全勝優勝2020/5">, sj<"十五連勝2020/5">}));
}

TEST(CareerCover, TheBestRivalHasTheMostBoutsThenTheMostWins) {
    struct RivalCase {
        const char* name;
        std::vector<RivalRow> rivals;
        const char* best;  // nullptr: none
    };
    const RivalCase cases[] = {
        {"no opponent", {}, nullptr},
        {"each met once is no rival", {{"甲", 1, 1, 0}, {"乙", 1, 0, 1}}, nullptr},
        {"the most bouts before the most wins", {{"甲", 5, 5, 0}, {"乙", 6, 1, 5}}, "乙"},
        {"equal bouts: the most wins", {{"甲", 6, 2, 4}, {"乙", 6, 3, 3}}, "乙"},
        {"equal bouts and wins: the first name", {{"乙", 6, 3, 3}, {"甲", 6, 3, 3}}, "乙"},
    };
    for (const RivalCase& c : cases) {
        const RivalRow* best = BestRival(c.rivals);
        if (c.best == nullptr) {
            EXPECT_EQ(best, nullptr) << c.name;
        } else {
            ASSERT_NE(best, nullptr) << c.name;
            EXPECT_EQ(best->opponent, c.best) << c.name;
        }
    }
}

}  // namespace
}  // namespace kelmar
