// A basho answered from the keyboard: Enter closes the paper, the reports and
// the chart, the digits press the tactic buttons, Enter presses "次へ", and
// Escape closes each window as its frame's close button does. And the film's
// pace: Timer1's interval for each choice, kept for the next run beside the
// game's own files.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <filesystem>

#include "desktop/film_pace.h"
#include "desktop/main_window.h"
#include "state/game_state.h"
#include "window_test_support.h"

using namespace kelmar;
using namespace kelmar::testing;

namespace {

const Qt::KeyboardModifiers kKeypad = Qt::KeypadModifier;

// Presses a key at whichever widget of the active window has the focus; false
// (nothing pressed) while `window` is not yet the active one.
bool PressKey(QWidget* window, QKeyCombination key) {
    if (QApplication::activeWindow() != window)
        return false;
    QWidget* focus = window->focusWidget();
    QTest::keyClick(focus != nullptr ? focus : window, key.key(), key.keyboardModifiers());
    return true;
}

// A player with no mouse. `tacticKey` gives the key pressed in the tactic
// window on a day; `reportKey` the key that closes the opponent report, read
// first every day; the others close the paper and the chart. Every window
// answered is listed in `answered`, and what went wrong in `faults`.
struct KeyboardPlayer {
    QKeyCombination paperKey = Qt::Key_Return;
    QKeyCombination stageKey = Qt::Key_Return;
    QKeyCombination reportKey = kKeypad | Qt::Key_Enter;
    std::function<QKeyCombination(int day)> tacticKey;
    // SelectedTactic expected after the tactic window of a day, once the
    // window's answer has reached the day's bout: seen at the evening's chart.
    std::function<int(int day)> tacticAfter;

    QStringList answered;
    QStringList faults;

    void Attach(GameUnderTest& game) {
        game.player.answerFirst = [this, &game](QWidget* modal) { return Answer(game, modal); };
    }

  private:
    bool reportRead_ = false;
    QElapsedTimer waiting_;

    bool Answer(GameUnderTest& game, QWidget* modal) {
        const QString name = modal->objectName();
        QKeyCombination key = Qt::Key_unknown;
        const int day = game.state.Torikumiday;
        if (name == QLatin1String("frmPaper")) {
            key = paperKey;
        } else if (name == QLatin1String("frmStage")) {
            key = stageKey;
            if (game.state.SelectedTactic != tacticAfter(day))
                faults
                    << QStringLiteral("day %1: tactic %2").arg(day).arg(game.state.SelectedTactic);
        } else if (name == QLatin1String("frmReport")) {
            key = reportKey;
        } else if (name == QLatin1String("frmStrategy")) {
            key = reportRead_ ? tacticKey(day) : Qt::Key_4;
        } else {
            return false;  // a message box: the test player answers it and notes it
        }
        const bool opensReport = key == QKeyCombination(Qt::Key_4);
        if (!PressKey(modal, key)) {
            // Again at the next look, once it is active; but not for ever.
            if (!waiting_.isValid())
                waiting_.start();
            if (waiting_.elapsed() > 2000) {
                faults << QStringLiteral("day %1: %2 never took the keys").arg(day).arg(name);
                modal->close();
            }
            return true;
        }
        waiting_.invalidate();
        answered << name;
        // The report opened by "4" was answered inside the key press.
        if (opensReport) {
            reportRead_ = true;
            if (!modal->isVisible())
                faults << QStringLiteral("day %1: the report closed the tactic window").arg(day);
            return true;
        }
        if (modal->isVisible())
            faults << QStringLiteral("day %1: %2 stayed open").arg(day).arg(name);
        if (name == QLatin1String("frmStrategy"))
            reportRead_ = false;
        return true;
    }
};

}  // namespace

class KeyboardWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void ABashoPlayedWithKeysAfterThePick() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        KeyboardPlayer keys;
        // The tactics in turn, on the keyboard's digits and on the keypad's.
        keys.tacticKey = [](int day) {
            const auto digit = Qt::Key(Qt::Key_1 + day % 3);
            return day % 2 == 0 ? QKeyCombination(digit) : kKeypad | digit;
        };
        keys.tacticAfter = [](int day) { return 1 + day % 3; };
        keys.Attach(game);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        StartCareer(w, 0);
        QVERIFY2(game.player.errors.isEmpty(), qPrintable(game.player.errors.join('\n')));
        QVERIFY2(keys.faults.isEmpty(), qPrintable(keys.faults.join('\n')));
        QCOMPARE(game.state.Torikumiday, 15);
        QCOMPARE(keys.answered.count(QStringLiteral("frmPaper")), 1);
        QCOMPARE(keys.answered.count(QStringLiteral("frmStrategy")), 30);  // the report, the tactic
        QCOMPARE(keys.answered.count(QStringLiteral("frmReport")), 15);
        QCOMPARE(keys.answered.count(QStringLiteral("frmStage")), 15);
        QVERIFY(game.player.seen.isEmpty());  // nothing was left to the mouse

        // Enter presses "次へ", wherever the focus is, and the next basho runs.
        QCOMPARE(w.PlayerOkButton->text(), QStringLiteral("次へ"));
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.lblMyP->setFocus();           // away from the button
        keys.paperKey = Qt::Key_Enter;  // the keypad's, this time
        QVERIFY(PressKey(&w, Qt::Key_Return));
        QVERIFY2(keys.faults.isEmpty(), qPrintable(keys.faults.join('\n')));
        QVERIFY(game.player.errors.isEmpty());
        if (w.PlayerOkButton->isHidden()) {  // retired: the career report, closed by Enter too
            QCOMPARE(keys.answered.count(QStringLiteral("frmReport")), 16);
            QCOMPARE(keys.answered.count(QStringLiteral("frmPaper")), 1);
        } else {
            QCOMPARE(keys.answered.count(QStringLiteral("frmPaper")), 2);
            QCOMPARE(keys.answered.count(QStringLiteral("frmStage")), 30);
        }
    }

    void EnterPressesNoHiddenButtonAndNotThePanelsOk() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.KN1->trigger();
        w.JuryoList->setCurrentRow(3);
        w.JuryoList->setFocus();
        QVERIFY(PressKey(&w, Qt::Key_Return));  // a pick is confirmed by the "Ok" button only
        QVERIFY(!w.JuryoList->isHidden());
        QCOMPARE(game.state.RosterLoaded, 0);

        // During a day "次へ" is hidden: Enter in the main window starts nothing.
        bool pressed = false;
        OnceWhen during(
            [&] { return game.state.Torikumiday == 2 && game.state.AnimationRunning == 1; },
            [&] {
                w.activateWindow();
                pressed = QTest::qWaitForWindowActive(&w) && PressKey(&w, Qt::Key_Return);
            });
        w.PlayerOkButton->click();
        QVERIFY(pressed);
        QVERIFY2(game.player.errors.isEmpty(), qPrintable(game.player.errors.join('\n')));
        QCOMPARE(game.player.Count(QStringLiteral("frmPaper")), 1);
        QCOMPARE(game.player.Count(QStringLiteral("frmStage")), 15);
    }

    // "次へ" gives way to the panel's "Ok" when New game follows a basho: the
    // next basho is no longer Enter's.
    void AfterNewGameEnterNoLongerPressesTheButton() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        StartCareer(w, 2);
        if (w.PlayerOkButton->isHidden())
            QSKIP("the career ended in its first basho");
        QVERIFY(w.game().View().next);
        w.KN1->trigger();
        w.JuryoList->setCurrentRow(1);
        QVERIFY(!w.game().View().next);
        QCOMPARE(w.PlayerOkButton->text(), QStringLiteral("Ok"));
        QVERIFY(w.PlayerOkButton->isEnabled());
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.lblMyP->setFocus();
        QVERIFY(PressKey(&w, Qt::Key_Return));
        QVERIFY(!w.JuryoList->isHidden());  // the panel stays: nothing was confirmed
        QCOMPARE(game.player.Count(QStringLiteral("frmPaper")), 1);
        QCOMPARE(game.state.RosterLoaded, 0);
        w.PlayerOkButton->click();  // the mouse confirms, and "次へ" is Enter's again
        QVERIFY(game.player.Count(QStringLiteral("frmPaper")) == 2 || w.PlayerOkButton->isHidden());
        QVERIFY(w.game().View().next);
        QVERIFY2(game.player.errors.isEmpty(), qPrintable(game.player.errors.join('\n')));
    }

    void EscapeClosesEachWindowAsItsFrameDoes() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        game.state.SelectedTactic = 2;  // a tactic pressed on an earlier day
        KeyboardPlayer keys;
        keys.paperKey = keys.stageKey = keys.reportKey = Qt::Key_Escape;
        keys.tacticKey = [](int) { return QKeyCombination(Qt::Key_Escape); };
        keys.tacticAfter = [](int) { return 2; };  // closed without a choice: as it was
        keys.Attach(game);
        StartCareer(w, 4);
        QVERIFY2(game.player.errors.isEmpty(), qPrintable(game.player.errors.join('\n')));
        QVERIFY2(keys.faults.isEmpty(), qPrintable(keys.faults.join('\n')));
        QCOMPARE(game.state.Torikumiday, 15);
        QCOMPARE(keys.answered.count(QStringLiteral("frmPaper")), 1);
        QCOMPARE(keys.answered.count(QStringLiteral("frmStrategy")), 30);
        QCOMPARE(keys.answered.count(QStringLiteral("frmReport")), 15);
        QCOMPARE(keys.answered.count(QStringLiteral("frmStage")), 15);
        QCOMPARE(game.state.SelectedTactic, 2);
    }

    void EachFilmPaceSetsTheTimerAndIsKeptForTheNextRun_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("intervalMs");
        QTest::newRow("標準") << 0 << 300;
        QTest::newRow("速い") << 1 << 150;
        QTest::newRow("とても速い") << 2 << 75;
    }

    void EachFilmPaceSetsTheTimerAndIsKeptForTheNextRun() {
        QFETCH(int, choice);
        QFETCH(int, intervalMs);
        GameUnderTest game(true, 300);
        const auto checkedItem = [&] {
            QStringList checked;
            for (QAction* item : game.window->FilmPaceItems)
                if (item->isChecked())
                    checked << item->objectName();
            return checked;
        };
        QCOMPARE(checkedItem(), QStringList{QStringLiteral("FilmPace1")});  // the first run
        QCOMPARE(game.window->Timer1->interval(), 300);

        // Another choice first, so that each row changes the pace.
        game.window->FilmPaceItems[(choice + 1) % 3]->trigger();
        game.window->FilmPaceItems[choice]->trigger();
        game.window->FilmPaceItems[choice]->trigger();  // chosen again: keeps its check mark
        const QStringList chosen{QStringLiteral("FilmPace%1").arg(choice + 1)};
        QCOMPARE(checkedItem(), chosen);
        QCOMPARE(game.window->Timer1->interval(), intervalMs);
        QVERIFY(game.window->Timer1->isActive());

        game.Restart();
        QCOMPARE(checkedItem(), chosen);
        QCOMPARE(game.window->Timer1->interval(), intervalMs);
        QVERIFY(std::filesystem::exists(
            (game.ConfigFolder() + QStringLiteral("/kelmar/kelmar.conf")).toStdString()));
        QVERIFY(!std::filesystem::exists("Kelmar.ini"));
        QVERIFY(game.player.errors.isEmpty());
    }

    void SettingsThatCannotBeUsedGiveTheStandardPaceSilently_data() {
        QTest::addColumn<QByteArray>("conf");         // the settings file, or
        QTest::addColumn<bool>("folderIsAFile");      // its folder is taken by a file
        QTest::addColumn<int>("intervalAfterRerun");  // after choosing とても速い
        QTest::newRow("garbage") << QByteArray("\xff\xfe\x00[[=\x01\n=\n", 10) << false << 75;
        QTest::newRow("an unknown pace") << QByteArray("[film]\npace=ludicrous\n") << false << 75;
        QTest::newRow("a number") << QByteArray("[film]\npace=75\n") << false << 75;
        QTest::newRow("no folder") << QByteArray() << true << 300;
    }

    void SettingsThatCannotBeUsedGiveTheStandardPaceSilently() {
        QFETCH(QByteArray, conf);
        QFETCH(bool, folderIsAFile);
        QFETCH(int, intervalAfterRerun);
        GameUnderTest game(true, 300);
        std::filesystem::create_directories(game.ConfigFolder().toStdString());
        if (folderIsAFile) {
            game.folder.Write("config/kelmar", "not a folder");
        } else {
            std::filesystem::create_directories(game.ConfigFolder().toStdString() + "/kelmar");
            game.folder.Write("config/kelmar/kelmar.conf", conf.toStdString());
        }
        game.Restart();
        QCOMPARE(game.window->Timer1->interval(), 300);
        QVERIFY(game.window->FilmPaceItems[0]->isChecked());
        game.window->FilmPaceItems[2]->trigger();  // still chosen for this run
        QCOMPARE(game.window->Timer1->interval(), 75);
        game.Restart();
        QCOMPARE(game.window->Timer1->interval(), intervalAfterRerun);
        QVERIFY(game.player.errors.isEmpty());
        QVERIFY(!std::filesystem::exists("Kelmar.ini"));
    }
};

QTEST_MAIN(KeyboardWindowTest)
#include "keyboard_window_test.moc"
