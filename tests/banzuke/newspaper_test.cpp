#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "banzuke/procedures.h"
#include "league.h"
#include "state/shift_jis_literal.h"

namespace kelmar {
namespace {

using testing::QuietLeague;
using testing::StateGiving;

const std::string kEnd = "\n\r";
const std::string kHead = sj<"                  毎読スポーツ速報  "> + kEnd + kEnd;
const std::string kClosing = sj<"理事長一喝、「横綱大関覇気がない！」"> + kEnd;

std::string Page(const std::vector<std::string>& lines, bool closing = true) {
    std::string page = kHead + sj<"先場所優勝力士、力士1"> + kEnd;
    for (const auto& line : lines) page += line + kEnd;
    return closing ? page + kClosing : page;
}

TEST(ComposeNewspaper, QuietBanzukeHasOnlyMastheadChampionAndClosingLine) {
    GameState s = QuietLeague();
    s.Rng.state = 4321;
    EXPECT_EQ(ComposeNewspaper(s), Page({}));
    EXPECT_EQ(s.Rng.state, 4321u) << "no chance story was due";

    s.LastWin = 4;
    EXPECT_EQ(ComposeNewspaper(s), kHead + sj<"先場所優勝力士、力士4"> + kEnd + kClosing);
}

TEST(ComposeNewspaper, BanzukeNewsInItsOrderAndTheListsAreEmptied) {
    GameState s = QuietLeague();
    s.Ysyoshin = sj<"甲山乙海">;
    s.Osyoshin = sj<"丙川">;
    s.Kanraku = sj<"丁岳12">;
    s.Intai = sj<"、戊山、己海">;
    s.JuryoDropList = sj<"、庚川">;
    EXPECT_EQ(ComposeNewspaper(s), Page({
                                       sj<"甲山乙海、横綱誕生だ！新時代幕開け">,
                                       sj<"丙川、新大関に、地元フィーバー！">,
                                       sj<"大関陥落！仕切り直しの丁岳">,
                                       sj<"惜しまれつつも引退へ、戊山、己海">,
                                       sj<"十両落ち、庚川">,
                                   }));
    EXPECT_EQ(s.Ysyoshin, "");
    EXPECT_EQ(s.Osyoshin, "");
    EXPECT_EQ(s.Kanraku, "");
    EXPECT_EQ(s.Intai, "");
    EXPECT_EQ(s.JuryoDropList, "");
    EXPECT_EQ(ComposeNewspaper(s), Page({})) << "each event is reported once";
}

struct StoryCase {
    const char* rule;
    std::function<void(GameState&)> setup;
    testing::Draws draws;
    std::vector<std::string> lines;
    bool closing = true;
};

TEST(ComposeNewspaper, StoriesOfTheNewBanzuke) {
    const StoryCase cases[] = {
        {"older than 35 and a draw 0..10 of 0: decline",
         [](GameState& s) { s.Age[10] = 36; },
         {{11, 0}},
         {sj<"力の衰え隠せず力士10">}},
        {"older than 35 and a draw of 1: no story",
         [](GameState& s) { s.Age[10] = 36; },
         {{11, 1}},
         {}},
        {"aged 35: no draw", [](GameState& s) { s.Age[10] = 35; }, {}, {}},
        {"the player aged 36 can decline",
         [](GameState& s) { s.Age[32] = 136; },
         {{11, 0}},
         {sj<"力の衰え隠せず力士32">}},
        {"the player aged 21 never declines", [](GameState& s) { s.Age[32] = 121; }, {}, {}},
        {"sekiwake with LB + L 20, draw at most 5",
         [](GameState& s) { s.LB[3] = 12, s.L[3] = 8; },
         {{9, 5}},
         {sj<"力士3、今場所に大関昇進かける">}},
        {"sekiwake with LB + L 20, draw above 5",
         [](GameState& s) { s.LB[3] = 12, s.L[3] = 8; },
         {{9, 6}},
         {sj<"力士3、大関目前！ 集中力で勝負">}},
        {"sekiwake with LB + L 19", [](GameState& s) { s.LB[3] = 11, s.L[3] = 8; }, {}, {}},
        {"ozeki with LB + L 22: yokozuna run",
         [](GameState& s) { s.LB[2] = 11, s.L[2] = 11; },
         {},
         {sj<"力士2、綱とりだ！ 最低ライン１２勝">}},
        {"ozeki with LB 15 and L 7: yokozuna run and kadoban",
         [](GameState& s) { s.LB[2] = 15, s.L[2] = 7; },
         {{9, 0}},
         {sj<"力士2、綱とりだ！ 最低ライン１２勝">, sj<"大関力士2、ガケっぷち">}},
        {"ozeki with L below 8, draw above 5",
         [](GameState& s) { s.L[2] = 0; },
         {{9, 8}},
         {sj<"大関力士2、カド番脱出なるか">}},
        {"Zaii 1, draw at most 5: new in the top division",
         [](GameState& s) { s.Zaii[30] = 1; },
         {{9, 3}},
         {sj<"新入幕力士30、勝ちこし目標にがんばりたい">}},
        {"Zaii 1, draw above 5",
         [](GameState& s) { s.Zaii[30] = 1; },
         {{9, 7}},
         {sj<"新入幕力士30、「幕でもやれる」親方太鼓判">}},
        {"slot 23 with E above 10: one to watch",
         [](GameState& s) { s.E[23] = 11; },
         {},
         {sj<"注目株力士23、好調なケイコが裏付け">}},
        {"slot 22 with E above 10: too high up", [](GameState& s) { s.E[22] = 11; }, {}, {}},
        {"slot 32 with E 10", [](GameState& s) { s.E[32] = 10; }, {}, {}},
        {"maegashira with E above 28: killer",
         [](GameState& s) { s.E[7] = 29; },
         {},
         {sj<"力士7、横綱大関キラーだ！">}},
        {"maegashira with E 28", [](GameState& s) { s.E[7] = 28; }, {}, {}},
        {"slot 25 with E 29: one to watch, then killer",
         [](GameState& s) { s.E[25] = 29; },
         {},
         {sj<"注目株力士25、好調なケイコが裏付け">, sj<"力士25、横綱大関キラーだ！">}},
        {"every rule of a slot in its order",
         [](GameState& s) { s.Age[3] = 40, s.LB[3] = 10, s.L[3] = 10, s.Zaii[3] = 1; },
         {{11, 0}, {9, 0}, {9, 8}},
         {sj<"力の衰え隠せず力士3">, sj<"力士3、今場所に大関昇進かける">,
          sj<"新入幕力士3、「幕でもやれる」親方太鼓判">}},
        {"slots in banzuke order",
         [](GameState& s) { s.Zaii[9] = 1, s.Zaii[4] = 1; },
         {{9, 0}, {9, 8}},
         {sj<"新入幕力士4、勝ちこし目標にがんばりたい">,
          sj<"新入幕力士9、「幕でもやれる」親方太鼓判">}},
        {"yokozuna with E above 30: no closing line",
         [](GameState& s) { s.E[1] = 31; },
         {},
         {},
         false},
        {"ozeki with E above 30: no closing line",
         [](GameState& s) { s.E[2] = 31; },
         {},
         {},
         false},
        {"yokozuna with E 30", [](GameState& s) { s.E[1] = 30; }, {}, {}},
        {"sekiwake with E 31 is no yokozuna or ozeki", [](GameState& s) { s.E[3] = 31; }, {}, {}},
        {"no yokozuna or ozeki at all",
         [](GameState& s) { s.Stage[1] = "3", s.Stage[2] = "3", s.E[1] = 40; },
         {},
         {}},
    };
    for (const auto& c : cases) {
        GameState s = QuietLeague();
        c.setup(s);
        s.Rng.state = StateGiving(c.draws);
        Random expected = s.Rng;
        for (const auto& [n, want] : c.draws) expected.Draw(n);
        SCOPED_TRACE(c.rule);
        EXPECT_EQ(ComposeNewspaper(s), Page(c.lines, c.closing));
        EXPECT_EQ(s.Rng.state, expected.state) << "exactly the listed draws";
    }
}

struct PageRecorder : HeadlessFrontend {
    std::vector<std::string> pages;
    void ShowNewspaper(const std::string& page) override { pages.push_back(page); }
};

TEST(ShowNewspaper, HandsThePageToTheWindowOnceAndEmptiesTheLists) {
    GameState s = QuietLeague();
    s.Kanraku = sj<"丁岳12">;
    PageRecorder frontend;
    ShowNewspaper(s, frontend);
    ASSERT_EQ(frontend.pages.size(), 1u);
    EXPECT_EQ(frontend.pages[0], Page({sj<"大関陥落！仕切り直しの丁岳">}));
    EXPECT_EQ(s.Kanraku, "");
}

}  // namespace
}  // namespace kelmar
