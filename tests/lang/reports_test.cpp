// The report window, the tactic window's age line, the day's and the score's
// captions and the rank words in English, from the pieces the game composes
// its Japanese from; the Japanese stays the game's, byte for byte.
#include "basho/reports.h"

#include <gtest/gtest.h>

#include "basho/procedures.h"
#include "lang/ranks.h"
#include "shipped_folder.h"
#include "state/encoding.h"
#include "state/shift_jis_literal.h"

namespace kelmar {
namespace {

// Today's bout: the player west in slot 4, his opponent 北斗錦 east in slot 3.
GameState BoutOfTheDay() {
    GameState s = testing::LeagueOfShippedNames();
    s.EastSlot = 3, s.WestSlot = 4;
    s.Age[4] = 122;
    s.NameOfWres[3] = sj<"北斗錦04">;
    s.Age[3] = 29, s.Saiko[3] = "3", s.W[3] = 5, s.Zaii[3] = 11;
    s.Pw[3] = 5, s.Sp[3] = 4, s.Tc[3] = 1;
    s.Torikumiday = 8;
    return s;
}

ReportLines Lines(const char* l3, const char* l1, const char* l2, const char* l4) {
    return ReportLines{l3, l1, l2, l4};
}

TEST(ReportLinesIn, TheOpponentReportInEnglish) {
    const struct {
        const char* rule;
        std::function<void(GameState&)> change;
        ReportLines english;
    } cases[] = {
        {"from day 8 his record; his best rank; his tenure above 10", [](GameState&) {},
         Lines("Hokutonishiki - 11 basho in makuuchi", "Record: 5-2",
               "Age: 29   Highest rank: Sekiwake", "")},
        {"before day 8 his speciality", [](GameState& s) { s.Torikumiday = 7; },
         Lines("Hokutonishiki - 11 basho in makuuchi", "Speciality: henka",
               "Age: 29   Highest rank: Sekiwake", "")},
        {"maegashira is no best rank; tenure 10 unnamed; the win rate",
         [](GameState& s) { s.Saiko[3] = "5", s.Zaii[3] = 10, s.Twin[3] = 40, s.Tlose[3] = 35; },
         Lines("Hokutonishiki", "Record: 5-2", "Age: 29", "Win rate: 53%")},
        {"yusho and the win rate",
         [](GameState& s) { s.Yusyo[3] = 2, s.Twin[3] = 40, s.Tlose[3] = 35; },
         Lines("Hokutonishiki - 11 basho in makuuchi", "Record: 5-2",
               "Age: 29   Highest rank: Sekiwake", "Yusho: 2   Win rate: 53%")},
        {"yusho without a win", [](GameState& s) { s.Yusyo[3] = 2; },
         Lines("Hokutonishiki - 11 basho in makuuchi", "Record: 5-2",
               "Age: 29   Highest rank: Sekiwake", "Yusho: 2")},
        {"a newcomer's fourth line is empty",
         [](GameState& s) { s.Zaii[3] = 1, s.Yusyo[3] = 2, s.Twin[3] = 4, s.Tlose[3] = 3; },
         Lines("Hokutonishiki", "Record: 5-2", "Age: 29   Highest rank: Sekiwake", "")},
        {"a name without a reading is shown as it is",
         [](GameState& s) { s.NameOfWres[3] = sj<"大嶺12">; },
         Lines("大嶺 - 11 basho in makuuchi", "Record: 5-2", "Age: 29   Highest rank: Sekiwake",
               "")},
    };
    for (const auto& c : cases) {
        GameState s = BoutOfTheDay();
        c.change(s);
        const ReportPieces pieces = OpponentReportPieces(s);
        EXPECT_EQ(ReportLinesIn(Language::English, pieces), c.english) << c.rule;
        const ReportLines japanese = ComposeOpponentReport(s);
        EXPECT_EQ(ReportLinesOf(pieces), japanese) << c.rule;
        EXPECT_EQ(ReportLinesIn(Language::Japanese, pieces),
                  (ReportLines{ShiftJisToUtf8(japanese.Label3), ShiftJisToUtf8(japanese.Label1),
                               ShiftJisToUtf8(japanese.Label2), ShiftJisToUtf8(japanese.Label4)}))
            << c.rule;
    }
}

TEST(ReportLinesIn, YushoWithoutAWinKeepsItsJapaneseBytes) {
    GameState s = BoutOfTheDay();
    s.Yusyo[3] = 2;
    EXPECT_EQ(ComposeOpponentReport(s).Label4, sj<"優勝回数; 2  ">);
}

TEST(ReportLinesIn, TheCareerReportInEnglish) {
    GameState p = testing::LeagueOfShippedNames();
    p.NameOfWres[9] = sj<"豊嵐09">;
    p.Age[9] = 133, p.Saiko[9] = "2", p.Zaii[9] = 58, p.Yusyo[9] = 3;
    p.Twin[9] = 450, p.Tlose[9] = 400;
    EXPECT_EQ(ReportLinesIn(Language::English, CareerReportPieces(p, 9)),
              Lines("Toyoarashi - 58 basho in makuuchi", "Worn out, he retires.",
                    "Age: 33   Highest rank: Ozeki", "Yusho: 3   Win rate: 53%"));
    p.Twin[9] = 0, p.Yusyo[9] = 0, p.Saiko[9] = "5", p.Zaii[9] = 2;
    EXPECT_EQ(ReportLinesIn(Language::English, CareerReportPieces(p, 9)),
              Lines("Toyoarashi", "Worn out, he retires.", "Age: 33", "Yusho: 0"));
    EXPECT_EQ(ReportLinesOf(CareerReportPieces(p, 9)), ComposeCareerReport(p, 9));
    EXPECT_EQ(ComposeCareerReport(p, 9).Label4, sj<"優勝回数; 0  ">);
}

TEST(ReportLinesIn, APieceThatCannotBeTakenRaisesTheGamesError) {
    GameState s = BoutOfTheDay();
    s.Saiko[3] = "x";
    EXPECT_THROW(OpponentReportPieces(s), ConversionError);
}

TEST(Captions, InEnglish) {
    EXPECT_EQ(TacticAgeLineIn(Language::English, TacticQuestion{sj<"北斗錦">, 22}), "Age: 22");
    EXPECT_EQ(TacticAgeLineIn(Language::Japanese, TacticQuestion{sj<"北斗錦">, 22}), "年齢: 22歳");
    EXPECT_EQ(ScoreCaptionIn(Language::English, 1234), "Score: 1234");
    EXPECT_EQ(ScoreCaptionIn(Language::Japanese, -5), "得点 : -5");
    const struct {
        int64_t month;
        int32_t day;
        const char* english;
        const char* japanese;
    } days[] = {
        {1, 1, "January Basho, Day 1", "1月場所1日目"},
        {5, 3, "May Basho, Day 3", "5月場所3日目"},
        {11, 15, "November Basho, Day 15", "11月場所15日目"},
        {12, 2, "December Basho, Day 2", "12月場所2日目"},
        {13, 2, "13 Basho, Day 2", "13月場所2日目"},
        {0, 2, "0 Basho, Day 2", "0月場所2日目"},
    };
    for (const auto& d : days) {
        DayCard card;
        card.month = d.month, card.day = d.day;
        EXPECT_EQ(DayCaptionIn(Language::English, card), d.english);
        EXPECT_EQ(DayCaptionIn(Language::Japanese, card), d.japanese);
        EXPECT_EQ(ShiftJisToUtf8(DayCaption(card)), d.japanese);
    }
}

TEST(RankName, InFullAndShort) {
    const struct {
        int64_t code;
        const char* full;
        const char* shortWord;
        const char* japanese;
    } ranks[] = {
        {1, "Yokozuna", "Y", "横綱"},
        {2, "Ozeki", "O", "大関"},
        {3, "Sekiwake", "S", "関脇"},
        {4, "Komusubi", "K", "小結"},
        {5, "Maegashira", "M", "前頭"},
        {0, "", "", ""},
        {6, "", "", ""},
    };
    for (const auto& r : ranks) {
        EXPECT_EQ(RankName(Language::English, r.code), r.full);
        EXPECT_EQ(RankName(Language::English, r.code, RankForm::Short), r.shortWord);
        EXPECT_EQ(RankName(Language::Japanese, r.code), r.japanese);
        EXPECT_EQ(RankName(Language::Japanese, r.code, RankForm::Short), r.japanese);
    }
    EXPECT_EQ(RankName(Language::English, 5, RankForm::Short, 5), "M5");
    EXPECT_EQ(RankName(Language::English, 5, RankForm::Full, 5), "Maegashira");
    EXPECT_EQ(RankName(Language::English, 2, RankForm::Short, 5), "O") << "only maegashira count";
    EXPECT_EQ(RankName(Language::Japanese, 5, RankForm::Short, 12), "前頭12");
}

TEST(BoutLabelIn, TheRankAndTheName) {
    GameState s = testing::LeagueOfShippedNames();
    s.Stage[4] = "2";
    const BoutSide side = BoutSideOf(s, 4);
    EXPECT_EQ(BoutLabelIn(Language::English, side), "Ozeki Hokutonishiki");
    EXPECT_EQ(BoutLabelIn(Language::English, side, RankForm::Short), "O Hokutonishiki");
    EXPECT_EQ(BoutLabelIn(Language::Japanese, side), "大関北斗錦");
    s.Stage[4] = "7";
    EXPECT_EQ(BoutLabelIn(Language::English, BoutSideOf(s, 4)), "Hokutonishiki")
        << "a rank code outside 1..5 has no word";
}

}  // namespace
}  // namespace kelmar
