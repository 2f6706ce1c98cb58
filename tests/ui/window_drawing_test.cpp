// The main window's scoreboard and frmStage's chart as a basho draws them
// through the windows, from the shipped pictures: each step leaves the same
// pixels as the drawing module on its own, and a missing picture stops the
// drawing with the game's message.
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <filesystem>

#include "banzuke/procedures.h"
#include "basho/procedures.h"
#include "desktop/bout_card_drawing.h"
#include "desktop/chart_drawing.h"
#include "desktop/game_text.h"
#include "desktop/pixel_view.h"
#include "desktop/stage_window.h"
#include "game/game.h"
#include "synthetic_pictures.h"
#include "window_test_support.h"

using namespace kelmar;
using namespace kelmar::testing;

namespace {

void Activate(QWidget* window) {
    window->show();  // a hidden window's activation draws nothing
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(window, &activate);
}

}  // namespace

class WindowDrawingTest : public QObject {
    Q_OBJECT

  private slots:
    void ADayOnTheScoreboard() {
        GameUnderTest game;
        game.state = ShippedLeagueOnDay(3);
        TfrmKelmar& window = *game.window;
        QImage expected = WhiteSurface(QSize(425, 161));

        const DayCard card = DayCardOf(game.state);
        window.DayBegins(card);
        DrawBoutCard(card, expected);
        QCOMPARE(window.Image2->Surface(), expected);
        QCOMPARE(window.lblBasyo->text(), FromGame(DayCaption(card)));

        const DayPictures pictures = DayPictures::Load();
        for (int bout = 1; bout <= 16; ++bout) {
            const CardPair& pair = card.pairs[bout - 1];
            window.BoutBegins(BoutStart{bout, BoutSideOf(game.state, pair.eastSlot),
                                        BoutSideOf(game.state, pair.westSlot)});
            pictures.LightLamps(expected, bout);
            QCOMPARE(window.Image2->Surface(), expected);
            // Tactic code 0 wins without a film and draws no technique.
            BoutOutcome outcome;
            outcome.column = bout;
            outcome.winner = bout % 3 == 0 ? Side::West : Side::East;
            outcome.winnerTactic = bout % 4;
            outcome.film = outcome.winnerTactic == 0 ? nullptr : "abc";
            window.BoutFought(outcome);
            pictures.DrawTechnique(expected, bout, outcome.winnerTactic);
            pictures.PutOutLamp(expected, bout, outcome.Loser());
            QCOMPARE(window.Image2->Surface(), expected);
        }
        window.DayEnds();
        QCOMPARE(window.Image2->Surface(), expected);  // the finished day stays
    }

    void AMissingDayPictureStopsTheDayBeforeItsFirstBout() {
        GameUnderTest game;
        game.state = ShippedLeagueOnDay(1);
        std::filesystem::remove("nage.bmp");
        const DayCard card = DayCardOf(game.state);
        QCOMPARE(PictureErrorText([&] { game.window->DayBegins(card); }),
                 CannotOpen(game.folder, QStringLiteral("nage.bmp")));
        QVERIFY(!game.window->btnStop->isVisible());
        std::filesystem::remove("力士.bmp");
        const QImage before = game.window->Image2->Surface();
        QCOMPARE(PictureErrorText([&] { game.window->DayBegins(card); }),
                 CannotOpen(game.folder, QStringLiteral("力士.bmp")));
        QCOMPARE(game.window->Image2->Surface(), before);
    }

    void TheChartIsDrawnAtEveryActivation() {
        GameUnderTest game;
        game.state = ShippedLeagueOnDay(10);
        TfrmStage* stage = game.window->frmStage;
        QImage expected = WhiteSurface(QSize(425, 321));
        DrawChart(ChartRowsOf(game.state), expected, Language::Japanese);
        Activate(stage);
        QCOMPARE(stage->Image1->Surface(), expected);
        QCOMPARE(stage->lblTitle->text(), FromGame(ChartTitles()));

        game.state.W[1] = 9;  // the next activation shows the change
        DrawChart(ChartRowsOf(game.state), expected, Language::Japanese);
        Activate(stage);
        QCOMPARE(stage->Image1->Surface(), expected);

        stage->hide();  // an activation that comes after the window closed
        game.state.W[1] = 3;
        QEvent late(QEvent::WindowActivate);
        QCoreApplication::sendEvent(stage, &late);
        QCOMPARE(stage->Image1->Surface(), expected);
    }

    void WithoutTheSheetTheChartSaysSoAndDrawsNothing() {
        GameUnderTest game;
        game.state = ShippedLeagueOnDay(10);
        std::filesystem::remove("力士.bmp");
        TfrmStage* stage = game.window->frmStage;
        const QImage before = stage->Image1->Surface();
        Activate(stage);
        QCOMPARE(game.player.errors,
                 QStringList{CannotOpen(game.folder, QStringLiteral("力士.bmp"))});
        QCOMPARE(stage->Image1->Surface(), before);

        // The activation that follows the message box tries no second time;
        // the next showing does.
        QEvent again(QEvent::WindowActivate);
        QCoreApplication::sendEvent(stage, &again);
        QCOMPARE(game.player.errors.size(), 1);
        stage->hide();
        Activate(stage);
        QCOMPARE(game.player.errors.size(), 2);
    }
};

QTEST_MAIN(WindowDrawingTest)
#include "window_drawing_test.moc"
