// The commands' views in English, read back from what the commands hand the
// face: the main window's captions, the panel's name, the top ten.
#include <gtest/gtest.h>

#include "basho/procedures.h"
#include "game/views_in_language.h"
#include "state/shift_jis_literal.h"
#include "support/fixed_clock.h"
#include "support/game_folder.h"

namespace kelmar {
namespace {

TEST(ViewsIn, TheNewCareerPanelAndTheMainWindowInEnglish) {
    GameState state;
    HeadlessFrontend face;
    testing::FixedClock clock;
    Game game(state, face, clock);
    game.Start(false);
    const MainView before = game.View();
    EXPECT_EQ(MainViewTextsIn(Language::English, before).confirmCaption, "Ok");
    EXPECT_EQ(MainViewTextsIn(Language::English, before).stopCaption, "Stop");

    const NewGameView shown = game.NewGame();
    EXPECT_EQ(PickNameIn(Language::English, shown.blank), "Shikona: ");
    EXPECT_EQ(PickNameIn(Language::Japanese, shown.blank), "しこな：");
    EXPECT_EQ(MainViewTextsIn(Language::English, game.View()).score, "Score: 0");

    const std::optional<PickView> pick = game.Pick(1);
    ASSERT_TRUE(pick.has_value());
    EXPECT_EQ(PickNameIn(Language::English, *pick), "Shikona: Wakakaede");
    EXPECT_EQ(PickNameIn(Language::Japanese, *pick), "しこな：若楓");
}

TEST(ViewsIn, TheCaptionsTheCoreSets) {
    MainView view;
    view.confirmCaption = sj<"次へ">;
    GameState s;
    view.stopCaption = TogglePause(s);
    view.score = ScoreCaption(1234);
    EXPECT_EQ(MainViewTextsIn(Language::English, view),
              (MainViewTexts{"Next", "Resume", "Score: 1234"}));
    EXPECT_EQ(MainViewTextsIn(Language::Japanese, view),
              (MainViewTexts{"次へ", "再開", "得点 : 1234"}));
    view.score = ChartTitles();
    EXPECT_EQ(MainViewTextsIn(Language::English, view).score,
              "Rank Shikona  W-L   Exp     Rank Shikona  W-L   Exp");
    EXPECT_EQ(ChartTitlesIn(Language::English),
              "Rank Shikona  W-L   Exp     Rank Shikona  W-L   Exp");
}

TEST(ViewsIn, TheTopTen) {
    testing::GameFolder folder;
    folder.Write("Rank.txt", sj<"山田\r\n1234\r\nTaro\r\n56\r\n">);
    GameState state;
    HeadlessFrontend face;
    testing::FixedClock clock;
    Game game(state, face, clock);
    game.Start();
    const TopTenView view = TopTenViewIn(Language::English, game.TopTen());
    EXPECT_EQ(view.names[0], " 1 山田") << "a name is kept as the player typed it";
    EXPECT_EQ(view.scores[0], "1234 pts");
    EXPECT_EQ(view.names[1], " 2 Taro");
    EXPECT_EQ(view.scores[1], "56 pts");
    EXPECT_EQ(TopTenViewIn(Language::Japanese, game.TopTen()).scores[0], "1234 てん");
}

}  // namespace
}  // namespace kelmar
