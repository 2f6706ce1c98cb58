// The run plays through the game's commands: the menu's switches before the
// first pick, the pause and the film's timer pressed by the player.
#include "sim/league_run.h"

#include <gtest/gtest.h>

#include "sim/scripted_player.h"
#include "state/shift_jis_literal.h"
#include "support/fixed_clock.h"
#include "support/game_folder.h"

namespace kelmar::sim {
namespace {

using kelmar::testing::FixedClock;
using kelmar::testing::GameFolder;

// The seed, the practice level and the animation switch are set before the
// first call, whatever the options; the first call then plays at them.
TEST(LeagueRun, GivesTheMenuCommandsBeforeTheFirstCall) {
    GameFolder folder;
    folder.CopyAllData();
    struct Case {
        const char* what;
        uint32_t seed;
        bool practice;
        int32_t omake;
    };
    for (const Case& c : {Case{"defaults", 0, false, 0}, Case{"seeded", 4242, false, 0},
                          Case{"practice", 7, true, 10}}) {
        SCOPED_TRACE(c.what);
        SimOptions options;
        options.seed = c.seed;
        options.practice = c.practice;
        LeagueRun run(options);
        EXPECT_EQ(run.state().Rng.state, c.seed);
        EXPECT_EQ(run.state().Omake, c.omake);
        EXPECT_FALSE(run.state().AnimationSwitch);
        EXPECT_EQ(run.state().RosterLoaded, 0);
        run.PlayBasho();
        EXPECT_EQ(run.state().Omake, c.omake);
        EXPECT_FALSE(run.state().AnimationSwitch);
        EXPECT_EQ(run.state().RosterLoaded, 1);
        EXPECT_EQ(run.state().Paused, 0);
        EXPECT_EQ(run.state().AnimationRunning, 0) << "every film run to its end";
    }
}

TEST(ScriptedPlayer, PressesThePauseCommand) {
    GameState s;
    FixedClock clock;
    ScriptedPlayer player(1);
    Game game(s, player, clock);
    player.Plays(game);
    game.TogglePause();
    ASSERT_TRUE(game.PauseHolds());
    player.Paused();
    EXPECT_FALSE(game.PauseHolds());
    EXPECT_EQ(game.View().stopCaption, sj<"停止">);
}

// He ticks a filmed bout's film to its end; a film that cannot step (the
// day paused) is given up after a hundred ticks rather than waited for.
TEST(ScriptedPlayer, RunsTheFilmThroughTheTimersCommand) {
    struct Case {
        const char* what;
        bool filmed;
        int32_t paused;
        int32_t runningAfter;
    };
    for (const Case& c : {Case{"filmed", true, 0, 0}, Case{"filmed, paused", true, 1, 1},
                          Case{"not filmed", false, 0, 1}}) {
        SCOPED_TRACE(c.what);
        GameState s;
        FixedClock clock;
        ScriptedPlayer player(1);
        Game game(s, player, clock);
        player.Plays(game);
        s.AnimationFrames = "abc";
        s.AnimationRunning = 1;
        s.Paused = c.paused;
        BoutOutcome outcome;
        outcome.filmed = c.filmed;
        player.BoutFought(outcome);
        EXPECT_EQ(s.AnimationRunning, c.runningAfter);
        EXPECT_EQ(s.AnimationStep, 0);
    }
}

}  // namespace
}  // namespace kelmar::sim
