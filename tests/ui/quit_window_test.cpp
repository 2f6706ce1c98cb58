// Quitting the game: by the menu in the middle of a day's film, and by the
// window's frame. Both end the running basho at once and open no more windows.
#include <QtTest>

#include "desktop/main_window.h"
#include "state/game_state.h"
#include "window_test_support.h"

using namespace kelmar;
using namespace kelmar::testing;

class QuitWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void QuitDuringAFilmEndsTheBasho() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        int windowsBefore = -1;
        OnceWhen during(
            [&] { return game.state.Torikumiday == 2 && game.state.AnimationRunning == 1; },
            [&] {
                windowsBefore = game.player.seen.size();
                w.KQ1->trigger();
            });
        w.show();
        StartCareer(w, 0);  // returns once the basho has seen the quit
        QVERIFY(during.done);
        QCOMPARE(game.state.QuitRequested, 1);
        QCOMPARE(game.state.AnimationRunning, 0);
        QCOMPARE(game.player.seen.size(), windowsBefore);  // no chart, no tactic window after it
        QVERIFY(!w.isVisible());
        QVERIFY(game.player.errors.isEmpty());
    }

    void ClosingByTheFrameIsQuitting() {
        GameUnderTest game;
        game.window->show();
        QCOMPARE(game.state.QuitRequested, 0);
        QVERIFY(game.window->close());
        QCOMPARE(game.state.QuitRequested, 1);
    }
};

QTEST_MAIN(QuitWindowTest)
#include "quit_window_test.moc"
