// The player's commands, headless: each command at each moment it can come
// (before New game, in the panel, during a basho, in a film, between two
// basho, after a retirement), with what it changes and the view it returns.
#include "game/game.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "state/shift_jis_literal.h"
#include "state/strings.h"
#include "state/top_ten.h"
#include "support/fixed_clock.h"
#include "support/game_error.h"
#include "support/game_folder.h"

namespace kelmar {
namespace {

using testing::FixedClock;
using testing::GameFolder;

// The view's switches as one letter each, "." when off: KN1, KS1, KB1, KT1
// enabled, KT1 checked, K1 checked, the panel, PlayerOkButton shown,
// enabled, "次へ", btnStop, lblMyP shown.
std::string Switches(const MainView& v) {
    const std::pair<bool, char> flags[] = {
        {v.newGame, 'N'},  {v.save, 'S'},      {v.chart, 'B'}, {v.practiceItem, 'T'},
        {v.practice, 't'}, {v.animation, 'A'}, {v.panel, 'P'}, {v.confirmShown, 'o'},
        {v.confirm, 'O'},  {v.next, 'x'},      {v.stop, 'X'},  {v.scoreShown, 'M'},
    };
    std::string out;
    for (const auto& [on, letter] : flags) out += on ? letter : '.';
    return out;
}

// A face that records every view it is shown and lets a test act at the
// moments of a basho, as a player at his windows would.
class Face : public HeadlessFrontend {
  public:
    Game* game = nullptr;
    std::vector<MainView> views;
    // Called at "newspaper", "tactic", "film", "paused", "chart", "ended",
    // "retired", with the view as it stands.
    std::function<void(const std::string&)> at;
    int32_t tactic = 1;
    std::vector<ReportLines> opponentReports;
    int tacticWindows = 0;

    void Show(const MainView& view) override { views.push_back(view); }
    void ShowNewspaper(const std::string&) override { Act("newspaper"); }
    int32_t AskTactic(const TacticQuestion&) override {
        ++tacticWindows;
        Act("tactic");
        return tactic;
    }
    void ShowOpponentReport(const ReportLines& lines) override { opponentReports.push_back(lines); }
    void BoutFought(const BoutOutcome& outcome) override {
        if (outcome.filmed)
            Act("film");
        for (int tick = 0; game->FilmRuns() && tick < 100; ++tick) game->Tick();
    }
    void Paused() override {
        Act("paused");
        if (game->PauseHolds())
            game->TogglePause();
    }
    void ShowDailyChart(const DailyChart&) override { Act("chart"); }
    void BashoEnds(int32_t) override { Act("ended"); }
    void ShowCareerReport(const ReportLines&) override { Act("retired"); }

  private:
    void Act(const std::string& moment) {
        if (at)
            at(moment);
    }
};

struct Fixture {
    GameFolder folder;
    GameState state;
    Face face;
    FixedClock clock{4321};
    Game game{state, face, clock};
    Fixture() {
        folder.CopyAllData();
        face.game = &game;
        game.Start(false);
    }
    const MainView& view() const { return game.View(); }
};

TEST(Commands, TheMainViewAtEveryMoment) {
    Fixture f;
    std::map<std::string, std::string> seen;  // first view at each moment
    f.face.at = [&](const std::string& moment) { seen.emplace(moment, Switches(f.view())); };

    EXPECT_EQ(Switches(f.view()), "N..T.A......") << "before New game";
    const NewGameView shown = f.game.NewGame();
    EXPECT_EQ(shown.names.size(), size_t{kJuryo});
    EXPECT_EQ(shown.blank, (PickView{sj<"しこな：">, "0", 0, 0, 0}));
    EXPECT_EQ(Switches(f.view()), "N..T.APo....") << "in the panel, nothing picked";
    EXPECT_EQ(f.view().score, sj<"得点 : 0">);
    EXPECT_EQ(f.view().confirmCaption, "Ok");

    const std::optional<PickView> pick = f.game.Pick(3);
    ASSERT_TRUE(pick.has_value());
    EXPECT_EQ(pick->name, sj<"しこな："> + shown.names[2]);
    EXPECT_EQ(pick->age, IntToStr(f.state.Age[32] - 100));
    EXPECT_EQ(pick->power + pick->speed + pick->skill, 10);
    EXPECT_EQ(Switches(f.view()), "N..T.APoO...") << "picked";

    f.game.Confirm();
    EXPECT_EQ(seen["newspaper"], "N..T.A...x.M") << "the newspaper before the first day";
    EXPECT_EQ(seen["tactic"], ".....A...xXM") << "in a bout";
    EXPECT_EQ(seen["film"], ".....A...xXM") << "in a film";
    EXPECT_EQ(seen["chart"], "N..T.A...x.M") << "the day's chart";
    EXPECT_EQ(seen["ended"], "NSBT.A.oOx.M") << "the basho ended";
    EXPECT_EQ(Switches(f.view()), "NSBT.A.oOx.M") << "between two basho";
    EXPECT_EQ(f.view().confirmCaption, sj<"次へ">);
    EXPECT_EQ(f.view().score, ScoreCaption(f.state.MyP));

    // 次へ is the confirm again; it closes what the end of a basho opened,
    // whether the next basho begins or the career ends at its assessment.
    seen.clear();
    f.game.Confirm();
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.begin()->second, "N..T.A...x.M") << seen.begin()->first;
}

TEST(Commands, RefusedOrEmptyWhereTheyCannotApply) {
    Fixture f;
    // Before New game: no pick without a list, and no basho without a league.
    EXPECT_EQ(f.game.Pick(1), std::nullopt);
    f.game.NewGame();
    for (const int outside : {0, -1, kJuryo + 1}) EXPECT_EQ(f.game.Pick(outside), std::nullopt);
    EXPECT_EQ(Switches(f.view()), "N..T.APo....") << "a pick outside the list enables nothing";

    // During a basho, the commands that would start another are refused with
    // the rules' message, and change nothing of the view.
    f.game.Pick(1);
    std::vector<std::string> refusals;
    std::vector<std::string> viewsInBout;
    f.face.at = [&](const std::string& moment) {
        if (moment != "tactic" || !refusals.empty())
            return;
        viewsInBout.push_back(Switches(f.view()));
        for (auto command : {&Game::Confirm, &Game::Resume}) {
            try {
                (f.game.*command)();
            } catch (const GameError& e) {
                refusals.push_back(e.what());
            }
        }
        viewsInBout.push_back(Switches(f.view()));
    };
    f.game.Confirm();
    ASSERT_EQ(refusals.size(), 2u);
    EXPECT_EQ(refusals[0], sj<"場所の最中に次の場所は始められません">);
    ASSERT_EQ(viewsInBout.size(), 2u);
    EXPECT_EQ(viewsInBout[0], viewsInBout[1]);
}

TEST(Commands, TheTacticIsTheAnswerOfTheWindow) {
    // Each answer of the tactic window, as the bout takes it: a code is the
    // tactic, a closed window keeps the last, the report is shown and the
    // window asked again.
    const struct {
        std::vector<int32_t> answers;  // in the order the windows are answered
        int32_t tactic;                // the first bout's tactic
        size_t reports;
    } cases[] = {
        {{2}, 2, 0},
        {{3}, 3, 0},
        {{kNoTactic}, 0, 0},
        {{kShowOpponentReport, 1}, 1, 1},
        {{kShowOpponentReport, kShowOpponentReport, 3}, 3, 2},
        {{7}, 0, 0},
    };
    for (const auto& c : cases) {
        Fixture f;
        f.game.NewGame();
        f.game.Pick(2);
        size_t next = 0;
        int32_t firstTactic = -1;
        // The answers of the first bout's windows; at the next bout, the
        // tactic they left.
        f.face.at = [&](const std::string& moment) {
            if (moment != "tactic" || firstTactic >= 0)
                return;
            if (next < c.answers.size()) {
                f.face.tactic = c.answers[next++];
                return;
            }
            firstTactic = f.state.SelectedTactic;
            f.face.tactic = 1;
            f.game.Quit();
        };
        f.game.Confirm();
        EXPECT_EQ(firstTactic, c.tactic) << c.answers.size() << " answers";
        EXPECT_EQ(f.face.opponentReports.size(), c.reports);
    }
}

TEST(Commands, PauseAndQuitInAFilm) {
    Fixture f;
    f.game.NewGame();
    f.game.Pick(4);
    std::vector<std::string> stops;
    bool paused = false;
    f.face.at = [&](const std::string& moment) {
        if (moment == "film" && !paused) {
            paused = true;
            EXPECT_TRUE(f.game.FilmRuns());
            stops.push_back(f.game.TogglePause());
            EXPECT_TRUE(f.game.PauseHolds());
            // A paused film does not step.
            EXPECT_FALSE(f.game.Tick().show);
            EXPECT_EQ(f.view().stopCaption, stops.back());
            stops.push_back(f.game.TogglePause());
            EXPECT_FALSE(f.game.PauseHolds());
            f.game.Quit();
            EXPECT_TRUE(f.game.Quitting());
            EXPECT_FALSE(f.game.PauseHolds());
        }
    };
    f.game.Confirm();
    EXPECT_EQ(stops, (std::vector<std::string>{sj<"再開">, sj<"停止">}));
    EXPECT_FALSE(f.game.FilmRuns()) << "quitting ends the film at its next tick";
    EXPECT_FALSE(f.game.BashoRunning());
}

TEST(Commands, OptionsChartTopTenAndSave) {
    Fixture f;
    f.game.SetPractice(true);
    EXPECT_EQ(Switches(f.view()), "N..TtA......");
    f.game.NewGame();
    f.game.Pick(5);
    EXPECT_GE(f.state.E[32], 10) << "the practice level adds 10 to the pick's experience";
    f.game.SetPractice(false);
    f.game.SetAnimation(false);
    EXPECT_EQ(Switches(f.view()), "N..T..PoO...");
    EXPECT_FALSE(f.state.AnimationSwitch);

    f.game.Confirm();
    const ChartRows rows = f.game.Chart();
    int players = 0;
    for (const ChartRow& row : rows) players += row.player ? 1 : 0;
    EXPECT_EQ(players, 1);
    EXPECT_EQ(ChartTitles(), sj<"番付 四股名  勝敗  経験値  番付 四股名  勝敗  経験値">);

    const TopTenView top = f.game.TopTen();
    EXPECT_EQ(top.names[0].substr(0, 3), " 1 ");
    EXPECT_EQ(top.names[9].substr(0, 3), "10 ");
    EXPECT_EQ(top.scores[0], IntToStr(f.state.TopTenScores[1]) + sj<" てん">);

    // The save writes what SaveGame writes; a resume takes it up and shows
    // its score and practice level.
    f.game.Save();
    const std::string saved = f.folder.Read("Kelmar.ini");
    EXPECT_NE(saved.find("[Wres]"), std::string::npos);
    Fixture g;
    g.folder.Write("Kelmar.ini", saved);
    int moments = 0;
    g.face.at = [&](const std::string&) {
        if (++moments == 1) {
            EXPECT_EQ(Switches(g.view()), "N..T.A.....M");
            EXPECT_EQ(g.view().score, ScoreCaption(f.state.MyP));
        }
    };
    g.game.Resume();
    EXPECT_GT(moments, 0);
}

TEST(Commands, AResumeWithoutASavedGameIsRefusedAndChangesNothing) {
    Fixture f;
    f.game.NewGame();
    const MainView before = f.view();
    EXPECT_NE(testing::GameErrorOf([&] { f.game.Resume(); }), "no error");
    EXPECT_EQ(f.view(), before);
}

TEST(Commands, ACareerToItsEndAndANewOne) {
    Fixture f;
    f.face.tactic = 1;
    std::string retiredView;
    f.face.at = [&](const std::string& moment) {
        if (moment == "retired")
            retiredView = Switches(f.view());
    };
    f.game.SetAnimation(false);
    f.game.NewGame();
    f.game.Pick(1);
    for (int basho = 0; retiredView.empty() && basho < 2000; ++basho) f.game.Confirm();
    ASSERT_FALSE(retiredView.empty()) << "no retirement in 2000 basho";
    // The confirm closed what the last basho opened; the retirement opens
    // nothing: New game is the way on.
    EXPECT_EQ(retiredView, "N..T.....x.M");
    EXPECT_EQ(Switches(f.view()), "N..T.....x.M");
    f.game.NewGame();
    EXPECT_EQ(Switches(f.view()), "N..T..Po...M");
    EXPECT_EQ(f.view().confirmCaption, "Ok");
    EXPECT_EQ(f.view().score, sj<"得点 : 0">);
}

TEST(FilmPaces, IntervalsAndNames) {
    EXPECT_EQ(TickInterval(FilmPace::Standard, 300), 300);
    EXPECT_EQ(TickInterval(FilmPace::Fast, 300), 150);
    EXPECT_EQ(TickInterval(FilmPace::VeryFast, 300), 75);
    EXPECT_EQ(TickInterval(FilmPace::VeryFast, 2), 1) << "never below 1 ms";
    for (const FilmPaceChoice& choice : kFilmPaces)
        EXPECT_EQ(FilmPaceNamed(NameOfFilmPace(choice.pace)), choice.pace);
    EXPECT_EQ(FilmPaceNamed("warp"), FilmPace::Standard);
    EXPECT_EQ(FilmPaceNamed(""), FilmPace::Standard);
}

}  // namespace
}  // namespace kelmar
