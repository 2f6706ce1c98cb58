// The main window's scoreboard and frmStage's chart as a basho draws them
// through the windows, from the shipped pictures: each step leaves the same
// pixels as the drawing module on its own, and a missing picture stops the
// drawing with the game's message.
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QtTest>
#include <filesystem>

#include "banzuke/chart_drawing.h"
#include "banzuke/stage_window.h"
#include "basho/bout_card_drawing.h"
#include "shell/pixel_view.h"
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

        window.DrawBoutCard();
        DrawBoutCard(game.state, expected);
        QCOMPARE(window.Image2->Surface(), expected);

        window.DayStarted();
        const DayPictures pictures = DayPictures::Load();
        for (int bout = 1; bout <= 16; ++bout) {
            const Side loser = bout % 3 == 0 ? Side::East : Side::West;
            window.LightLamps(bout);
            window.DrawTechnique(bout, bout % 4);
            window.PutOutLamp(bout, loser);
            pictures.LightLamps(expected, bout);
            pictures.DrawTechnique(expected, bout, bout % 4);
            pictures.PutOutLamp(expected, bout, loser);
            QCOMPARE(window.Image2->Surface(), expected);
        }
        window.DayEnded();
        QCOMPARE(window.Image2->Surface(), expected);  // the finished day stays
    }

    void AMissingDayPictureStopsTheDayBeforeItsFirstBout() {
        GameUnderTest game;
        game.state = ShippedLeagueOnDay(1);
        std::filesystem::remove("nage.bmp");
        QCOMPARE(PictureErrorText([&] { game.window->DayStarted(); }),
                 CannotOpen(game.folder, QStringLiteral("nage.bmp")));
        std::filesystem::remove("力士.bmp");
        const QImage before = game.window->Image2->Surface();
        QCOMPARE(PictureErrorText([&] { game.window->DrawBoutCard(); }),
                 CannotOpen(game.folder, QStringLiteral("力士.bmp")));
        QCOMPARE(game.window->Image2->Surface(), before);
    }

    void TheChartIsDrawnAtEveryActivation() {
        GameUnderTest game;
        game.state = ShippedLeagueOnDay(10);
        TfrmStage* stage = game.window->frmStage;
        QImage expected = WhiteSurface(QSize(425, 321));
        DrawChart(game.state, expected);
        Activate(stage);
        QCOMPARE(stage->Image1->Surface(), expected);
        QCOMPARE(stage->lblTitle->text(), ChartColumnTitles());

        game.state.W[1] = 9;  // the next activation shows the change
        DrawChart(game.state, expected);
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
