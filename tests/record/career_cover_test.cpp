// The cover of a career: its facts and its biography's sentences for a short
// and a long career and one that goes on, and the best rival among ties; the
// biography in English, its pieces placed and its names in romaji.
#include "record/career_cover.h"

#include <gtest/gtest.h>

#include "record/career_script.h"
#include "state/encoding.h"
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

// A career laid out by hand, from January 2020, two months a basho: each
// basho's rank, wins (of fifteen) and whether he won it.
struct HandBasho {
    int32_t rank;
    int32_t wins;
    bool champion = false;
};

CareerCover HandCover(const char* shikona, const std::vector<HandBasho>& career,
                      const std::vector<RivalRow>& rivals, bool retired) {
    CareerSummary summary;
    summary.shikona = shikona;
    summary.firstNengo = 2020;
    summary.firstMonth = 1;
    summary.retired = retired;
    std::vector<BashoRow> basho;
    for (const HandBasho& h : career) {
        const auto i = static_cast<int32_t>(basho.size());
        basho.push_back({i + 1, 2020 + i / 6, 2 * (i % 6) + 1, 10 + h.rank, h.rank, h.wins,
                         15 - h.wins, h.champion});
        summary.basho += 1;
        summary.wins += h.wins;
        summary.losses += 15 - h.wins;
        summary.yusyo += h.champion ? 1 : 0;
    }
    return ComposeCover(summary, basho, rivals, {});
}

struct EnglishCase {
    const char* name;
    CareerCover cover;
    std::vector<std::string> english;
};

TEST(CareerCover, TheBiographyInEnglishWithItsPiecesPlacedAndTheNamesInRomaji) {
    GameFolder folder;
    folder.CopyData("romaji.txt");
    const EnglishCase cases[] = {
        {"a losing debut, never promoted, retired",
         HandCover("若楓", {{5, 7}}, {{"霧昇", 4, 1, 3}}, true),
         {"Wakakaede made his debut as a maegashira in the January 2020 basho, going 7-8.",
          "He never rose above maegashira.",
          "His great rival was Kirinobori, against whom he went 1-3 in 4 bouts.",
          "He retired after the January 2020 basho with a career record of 7-8."}},
        {"a winning debut, two promotions, one yusho, going on",
         HandCover("千代雷", {{5, 9}, {4, 8}, {2, 12, true}}, {{"鯨丸", 6, 3, 3}}, false),
         {"Chiyoikazuchi made a winning debut as a maegashira in the January 2020 basho, going "
          "9-6.",
          "He was promoted to komusubi in March 2020 and ozeki in May 2020.",
          "He won his first yusho in the May 2020 basho and held the Emperor's Cup once.",
          "His great rival was Kujiramaru, against whom he went 3-3 in 6 bouts.",
          "Through the May 2020 basho he has fought 3 basho, 29-16 in all."}},
        {"up to yokozuna with a zensho, two yusho; a rival the table lacks keeps his name",
         HandCover("霧昇", {{4, 8}, {3, 15, true}, {2, 10}, {1, 13, true}}, {{"山川", 5, 2, 3}},
                   true),
         {"Kirinobori made a winning debut as a komusubi in the January 2020 basho, going 8-7.",
          "He climbed to sekiwake in March 2020, ozeki in May 2020 and yokozuna in July 2020: at "
          "last he wore the yokozuna's rope!",
          "He won his first yusho in the March 2020 basho and held the Emperor's Cup twice.",
          "He even won a zensho yusho, a perfect 15-0!",
          "His great rival was 山川, against whom he went 2-3 in 5 bouts.",
          "He retired after the July 2020 basho with a career record of 46-14."}},
    };
    for (const EnglishCase& c : cases) {
        EXPECT_EQ(BiographyIn(Language::English, c.cover), c.english) << c.name;
        // The same sentences in Japanese are the cover's own.
        std::vector<std::string> japanese;
        for (const std::string& s : c.cover.biography) japanese.push_back(ShiftJisToUtf8(s));
        EXPECT_EQ(BiographyIn(Language::Japanese, c.cover), japanese) << c.name;
    }
    EXPECT_EQ(cases[2].cover.biography[2], sj<"初優勝は2020年3月場所、賜杯を抱くこと通算2回。">);
}

}  // namespace
}  // namespace kelmar
