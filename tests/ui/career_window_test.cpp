// A career played through the main window: New game opens the panel, a pick
// draws the figures, the confirm runs a whole basho with its modal windows,
// the menu saves and resumes, the timer plays the film, and the files that
// cannot be read stop each command with the game's message.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <filesystem>

#include "desktop/about_window.h"
#include "desktop/best10_window.h"
#include "desktop/game_text.h"
#include "desktop/help_window.h"
#include "desktop/main_window.h"
#include "desktop/picture_copy.h"
#include "desktop/pixel_view.h"
#include "desktop/stage_window.h"
#include "state/game_state.h"
#include "state/strings.h"
#include "state/text_file.h"
#include "synthetic_pictures.h"
#include "window_test_support.h"

using namespace kelmar;
using namespace kelmar::testing;

namespace {

const QString kFileNotFound = QStringLiteral("ﾌｧｲﾙが見つかりません");

// Shown by the game, whether or not the window is on a screen.
bool Shown(const QWidget* control) {
    return !control->isHidden();
}

bool AllWhite(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != QColor(Qt::white))
                return false;
    return true;
}

void ClickRow(QListWidget* list, int row) {
    const QRect place = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
}

QImage FilmPicture(char letter) {
    return LoadPicture(GameFolderPath(std::string(1, letter) + ".bmp"));
}

}  // namespace

class CareerWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void NewGameOpensTheBlankPanel() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        w.Image2->Surface().fill(Qt::black);  // the last career's board
        w.KN1->trigger();
        QVERIFY(AllWhite(w.Image2->Surface()));
        QCOMPARE(w.lblMyP->text(), QStringLiteral("得点 : 0"));
        QCOMPARE(w.JuryoList->count(), 27);
        // Display names: the list never shows the portrait digits.
        QCOMPARE(w.JuryoList->item(26)->text(), FromGame(DisplayName(game.state.Juryo[27])));
        for (int i = 0; i < w.JuryoList->count(); ++i)
            QVERIFY(!w.JuryoList->item(i)->text().back().isDigit());
        for (QWidget* control :
             {static_cast<QWidget*>(w.JuryoList), static_cast<QWidget*>(w.NameLabel),
              static_cast<QWidget*>(w.AgeLabel1), static_cast<QWidget*>(w.WLabel)}) {
            QVERIFY(Shown(control));
            QVERIFY(control->isEnabled());
        }
        QVERIFY(Shown(w.PlayerOkButton));
        QVERIFY(!w.PlayerOkButton->isEnabled());
        QCOMPARE(w.NameLabel->text(), QStringLiteral("しこな："));
        QCOMPARE(w.AgeLabel1->text(), QStringLiteral("0"));
        QCOMPARE(game.state.RosterLoaded, 0);
        QVERIFY(game.player.errors.isEmpty());
    }

    void EveryPickDrawsTheFiguresAfresh() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        w.KN1->trigger();
        w.show();
        const int before = game.clock.readings;
        ClickRow(w.JuryoList, 2);  // a click that selects is one pick
        QCOMPARE(game.clock.readings, before + 1);
        ClickRow(w.JuryoList, 2);  // the same name again is another
        QCOMPARE(game.clock.readings, before + 2);
        w.JuryoList->setCurrentRow(4);  // so is a change by the keys
        QCOMPARE(game.clock.readings, before + 3);

        const GameState& s = game.state;
        QCOMPARE(s.NameOfWres[32], s.Juryo[5]);
        QCOMPARE(s.PlayersWres, s.Juryo[5]);
        QCOMPARE(w.NameLabel->text(), QStringLiteral("しこな：") + w.JuryoList->item(4)->text());
        QCOMPARE(w.AgeLabel1->text(), QString::number(s.Age[32] - 100));
        QCOMPARE(w.PLabel1->text(), QString::number(s.Pw[32]));
        QCOMPARE(w.SLabel1->text(), QString::number(s.Sp[32]));
        QCOMPARE(w.WLabel1->text(), QString::number(s.Tc[32]));
        QCOMPARE(s.Pw[32] + s.Sp[32] + s.Tc[32], 10);
        QVERIFY(w.PlayerOkButton->isEnabled());

        w.JuryoList->clearSelection();  // no entry selected: nothing is drawn
        QCOMPARE(game.clock.readings, before + 3);
        QVERIFY(game.player.errors.isEmpty());
    }

    void ABashoThroughTheWindowsEndsWithTheNextButton() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        StartCareer(w, 0);
        QVERIFY2(game.player.errors.isEmpty(), qPrintable(game.player.errors.join('\n')));
        QCOMPARE(game.player.Count(QStringLiteral("frmPaper")), 1);
        QCOMPARE(game.player.Count(QStringLiteral("frmStrategy")), 15);  // one bout a day
        QCOMPARE(game.player.Count(QStringLiteral("frmStage")), 15);     // the chart every evening
        QCOMPARE(game.state.Torikumiday, 15);
        QVERIFY(Shown(w.PlayerOkButton));
        QVERIFY(w.PlayerOkButton->isEnabled());
        QCOMPARE(w.PlayerOkButton->text(), QStringLiteral("次へ"));
        QVERIFY(w.KB1->isEnabled());
        QVERIFY(w.KS1->isEnabled());
        QVERIFY(w.KN1->isEnabled());
        QVERIFY(w.KT1->isEnabled());
        QVERIFY(!Shown(w.btnStop));
        QVERIFY(!Shown(w.Image1));
        QVERIFY(!Shown(w.JuryoList));
        QVERIFY(Shown(w.lblMyP));
        QVERIFY(w.lblMyP->text().startsWith(QStringLiteral("得点 : ")));

        // The next press plays the next basho of the same league.
        const int32_t basho = game.state.Basyo6;
        w.PlayerOkButton->click();
        QVERIFY(game.player.errors.isEmpty());
        QVERIFY(game.state.Basyo6 != basho || game.state.PlayerRetired == 1);
    }

    void AWholeCareerToRetirementAndTheTopTen() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        w.K1->trigger();  // only the player's bouts are filmed
        QVERIFY(!game.state.AnimationSwitch);
        StartCareer(w, 5);
        int basho = 1;
        while (game.state.PlayerRetired == 0 && Shown(w.PlayerOkButton) && basho < 400) {
            w.PlayerOkButton->click();
            ++basho;
        }
        QVERIFY2(game.player.errors.isEmpty(), qPrintable(game.player.errors.join('\n')));
        QCOMPARE(game.player.Count(QStringLiteral("frmReport")), 1);  // the career report
        QCOMPARE(game.player.Count(QStringLiteral("frmPaper")), basho - 1);
        // The retired career leaves no next basho, nothing to save, no chart.
        QVERIFY(!Shown(w.PlayerOkButton));
        QVERIFY(!w.KS1->isEnabled());
        QVERIFY(!w.KB1->isEnabled());
        QVERIFY(w.KN1->isEnabled());
        if (game.state.MyP > 0) {
            QCOMPARE(game.player.Count(QStringLiteral("NameDialog")), 1);
            QCOMPARE(game.state.TopTenScores[1], game.state.MyP);
            QCOMPARE(game.state.TopTenNames[1], std::string("Tester"));
            QVERIFY(game.folder.Read("Rank.txt").rfind("Tester\r\n", 0) == 0);
        }
        // And a second career starts from the menu.
        StartCareer(w, 0);
        QVERIFY(game.player.errors.isEmpty());
        QVERIFY(Shown(w.PlayerOkButton) || game.state.PlayerRetired == 1);
    }

    void TheMenuSwitches() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        w.KT1->trigger();
        QVERIFY(w.KT1->isChecked());
        QCOMPARE(game.state.Omake, 10);
        w.KT1->trigger();
        QVERIFY(!w.KT1->isChecked());
        QCOMPARE(game.state.Omake, 0);
        QVERIFY(w.K1->isChecked() && game.state.AnimationSwitch);
        w.K1->trigger();
        QVERIFY(!w.K1->isChecked() && !game.state.AnimationSwitch);
        w.K1->trigger();
        QVERIFY(w.K1->isChecked() && game.state.AnimationSwitch);
    }

    void DuringADayTheOtherCommandsWorkAndAResumeIsRefused() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        bool disabledDuringDay = false;
        OnceWhen during(
            [&] { return game.state.Torikumiday == 2 && game.state.AnimationRunning == 1; },
            [&] {
                disabledDuringDay = !w.KN1->isEnabled() && !w.KT1->isEnabled() &&
                                    Shown(w.btnStop) && w.btnStop->isEnabled();
                w.KT2->trigger();
                w.KA1->trigger();
                w.KP1->trigger();
                w.KO2->trigger();
            });
        StartCareer(w, 2);
        QVERIFY(during.done);
        QVERIFY(disabledDuringDay);
        QCOMPARE(game.player.errors, QStringList{QStringLiteral("対戦中はゲームを再開できません")});
        QVERIFY(Shown(w.frmBest10));
        QVERIFY(Shown(w.AboutForm));
        QVERIFY(w.HelpWindow != nullptr && Shown(w.HelpWindow));
        QCOMPARE(game.player.Count(QStringLiteral("frmPaper")), 1);  // no second basho
        QCOMPARE(game.state.Torikumiday, 15);
    }

    void TheChartLeftOpenFromTheMenuIsShownModallyEachEvening() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        StartCareer(w, 1);
        w.KB1->trigger();  // its activation is still on its way when the next basho starts
        QVERIFY(Shown(w.frmStage));
        w.PlayerOkButton->click();
        QVERIFY2(game.player.errors.isEmpty(), qPrintable(game.player.errors.join('\n')));
        QVERIFY(game.player.Count(QStringLiteral("frmStage")) == 30 ||
                game.state.PlayerRetired == 1);
    }

    void SaveThenResumeFromTheMenu() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        StartCareer(w, 3);
        w.KS1->trigger();
        QVERIFY(std::filesystem::exists("Kelmar.ini"));
        const GameState saved = game.state;

        w.KN1->trigger();  // abandon it for a new panel
        w.KO2->trigger();  // and take it up again
        QVERIFY2(game.player.errors.isEmpty(), qPrintable(game.player.errors.join('\n')));
        QVERIFY(!Shown(w.JuryoList));  // the resume closes the panel
        QCOMPARE(game.state.PlayersWres, saved.PlayersWres);
        QCOMPARE(game.state.RosterLoaded, 1);
        QCOMPARE(game.player.Count(QStringLiteral("frmPaper")), 2);  // the resumed basho ran
        QVERIFY(game.state.Basyo6 != saved.Basyo6 || game.state.Nengo != saved.Nengo ||
                game.state.PlayerRetired == 1);
    }

    // The saved game is read and shown before the pairing table fails.
    void AResumeWithoutThePairingTableKeepsWhatItRead() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        StartCareer(w, 3);
        w.KT1->trigger();  // the practice level, kept by the save
        w.KS1->trigger();
        w.KT1->trigger();
        w.KN1->trigger();
        std::filesystem::remove("Match.txt");
        w.KO2->trigger();
        QCOMPARE(game.player.errors, QStringList{kFileNotFound});
        QVERIFY(!Shown(w.JuryoList));
        QVERIFY(!Shown(w.PlayerOkButton));
        QVERIFY(w.KT1->isChecked());
        QCOMPARE(game.state.Omake, 10);
        QCOMPARE(game.player.Count(QStringLiteral("frmPaper")), 1);
    }

    void ResumingWithoutASavedGameChangesNothing() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        w.KN1->trigger();
        w.JuryoList->setCurrentRow(1);
        const std::string name = game.state.NameOfWres[32];
        w.KO2->trigger();
        QCOMPARE(game.player.errors, QStringList{kFileNotFound});
        QCOMPARE(game.state.NameOfWres[32], name);
        QVERIFY(Shown(w.PlayerOkButton));  // the panel is as it was
        QVERIFY(w.PlayerOkButton->isEnabled());
    }

    void AConfirmWithoutThePairingTableStopsBeforeTheBasho() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        w.KN1->trigger();
        w.JuryoList->setCurrentRow(0);
        std::filesystem::remove("Match.txt");
        w.PlayerOkButton->click();
        QCOMPARE(game.player.errors, QStringList{kFileNotFound});
        QVERIFY(!Shown(w.PlayerOkButton));
        QVERIFY(!Shown(w.JuryoList));
        QVERIFY(!w.KB1->isEnabled());
        QVERIFY(!w.KS1->isEnabled());
        QCOMPARE(w.PlayerOkButton->text(), QStringLiteral("Ok"));
        QVERIFY(!Shown(w.lblMyP));
        QCOMPARE(game.state.RosterLoaded, 0);
        QCOMPARE(game.player.Count(QStringLiteral("frmPaper")), 0);
    }

    void WithoutTheTopTenFileTheGameStartsWithAnEmptyTable() {
        GameUnderTest game(false);
        QCOMPARE(game.player.errors, QStringList{kFileNotFound});
        QCOMPARE(game.state.TopTenScores[1], 0);
        QVERIFY(game.window->KN1->isEnabled());
    }

    void TheTimerPlaysAFilmAndHidesIt() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        GameState& s = game.state;
        s.AnimationFrames = "afg";
        s.AnimationStep = 0;
        s.AnimationRunning = 1;
        QTRY_VERIFY(s.AnimationStep >= 3 || s.AnimationRunning == 0);
        QTRY_COMPARE(s.AnimationRunning, 0);
        QCOMPARE(s.AnimationStep, 0);
        QVERIFY(!Shown(w.Image1));
        QCOMPARE(w.Image1->Surface(), FilmPicture('g'));  // the last picture shown
        QVERIFY(game.player.errors.isEmpty());
    }

    void APauseFreezesTheFilmOnItsPicture() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        GameState& s = game.state;
        w.show();
        bool resumed = false;
        // In the middle of a day's film, inside the running basho.
        OnceWhen during(
            [&] { return s.Torikumiday == 2 && s.AnimationRunning == 1 && s.AnimationStep >= 3; },
            [&] {
                w.btnStop->click();
                QCOMPARE(w.btnStop->text(), QStringLiteral("再開"));
                QVERIFY(w.btnStop->isEnabled());
                const int step = s.AnimationStep;
                const QImage shown = w.Image1->Surface();
                // Forty ticks counted, each one after the window's own handler
                // of it, however slowly they come.
                QSignalSpy ticks(w.Timer1, &QTimer::timeout);
                QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 40, 60000);
                QCOMPARE(s.AnimationStep, step);
                QCOMPARE(w.Image1->Surface(), shown);
                QVERIFY(Shown(w.Image1));
                w.btnStop->click();
                QCOMPARE(w.btnStop->text(), QStringLiteral("停止"));
                resumed = true;
            });
        StartCareer(w, 0);
        QVERIFY(resumed);
        QCOMPARE(s.AnimationRunning, 0);
        QCOMPARE(s.Paused, 0);
        QCOMPARE(s.Torikumiday, 15);  // the basho went on to its end
        QVERIFY2(game.player.errors.isEmpty(), qPrintable(game.player.errors.join('\n')));
    }

    void AMissingFilmPictureIsReportedAndTheFilmStillEnds() {
        GameUnderTest game;
        GameState& s = game.state;
        std::filesystem::remove("f.bmp");
        s.AnimationFrames = "afg";
        s.AnimationRunning = 1;
        QTRY_COMPARE(s.AnimationRunning, 0);
        QTRY_VERIFY(!game.player.errors.isEmpty());
        QCOMPARE(game.player.errors.first(), CannotOpen(game.folder, QStringLiteral("f.bmp")));
        QCOMPARE(game.window->Image1->Surface(), FilmPicture('g'));
    }
};

QTEST_MAIN(CareerWindowTest)
#include "career_window_test.moc"
