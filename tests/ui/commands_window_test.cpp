// The main window over the game's commands: at every moment of a career its
// menu items, the new-career panel, PlayerOkButton, btnStop and lblMyP are
// what the game's main view says; and the tactic pressed in the tactic window
// is the one the player's bout is fought with.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
#include <map>
#include <vector>

#include "desktop/game_text.h"
#include "desktop/main_window.h"
#include "record/sqlite.h"
#include "state/game_state.h"
#include "window_test_support.h"

using namespace kelmar;
using namespace kelmar::testing;

namespace {

// Where the window's controls differ from the game's main view.
QStringList Mismatches(const TfrmKelmar& w) {
    const MainView& v = w.game().View();
    QStringList wrong;
    const auto expect = [&](const QString& what, bool actual, bool expected) {
        if (actual != expected)
            wrong << what + (expected ? QStringLiteral(" is not") : QStringLiteral(" is"));
    };
    const auto expectText = [&](const QString& what, const QString& actual,
                                const std::string& expected) {
        if (actual != FromGame(expected))
            wrong << what + QStringLiteral(" reads ") + actual;
    };
    expect(QStringLiteral("KN1 enabled"), w.KN1->isEnabled(), v.newGame);
    expect(QStringLiteral("KS1 enabled"), w.KS1->isEnabled(), v.save);
    expect(QStringLiteral("KB1 enabled"), w.KB1->isEnabled(), v.chart);
    expect(QStringLiteral("KT1 enabled"), w.KT1->isEnabled(), v.practiceItem);
    expect(QStringLiteral("KT1 checked"), w.KT1->isChecked(), v.practice);
    expect(QStringLiteral("K1 checked"), w.K1->isChecked(), v.animation);
    const QWidget* panel[] = {w.JuryoList, w.NameLabel, w.AgeLabel, w.PLabel,  w.SLabel,
                              w.WLabel,    w.AgeLabel1, w.PLabel1,  w.SLabel1, w.WLabel1};
    for (const QWidget* control : panel) {
        expect(control->objectName() + QStringLiteral(" shown"), !control->isHidden(), v.panel);
        expect(control->objectName() + QStringLiteral(" enabled"), control->isEnabled(), v.panel);
    }
    expect(QStringLiteral("PlayerOkButton shown"), !w.PlayerOkButton->isHidden(), v.confirmShown);
    expect(QStringLiteral("PlayerOkButton enabled"), w.PlayerOkButton->isEnabled(), v.confirm);
    expectText(QStringLiteral("PlayerOkButton"), w.PlayerOkButton->text(), v.confirmCaption);
    expect(QStringLiteral("btnStop shown"), !w.btnStop->isHidden(), v.stop);
    expect(QStringLiteral("btnStop enabled"), w.btnStop->isEnabled(), v.stop);
    expectText(QStringLiteral("btnStop"), w.btnStop->text(), v.stopCaption);
    expect(QStringLiteral("lblMyP shown"), !w.lblMyP->isHidden(), v.scoreShown);
    expectText(QStringLiteral("lblMyP"), w.lblMyP->text(), v.score);
    return wrong;
}

// The moments looked at, each with what differed, and the views seen.
struct Moments {
    QStringList faults;
    std::vector<MainView> views;

    void Look(const TfrmKelmar& w, const QString& moment) {
        const QStringList wrong = Mismatches(w);
        if (!wrong.isEmpty())
            faults << moment + QStringLiteral(": ") + wrong.join(QStringLiteral(", "));
        if (std::find(views.begin(), views.end(), w.game().View()) == views.end())
            views.push_back(w.game().View());
    }
};

}  // namespace

class CommandsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void TheControlsShowTheMainViewAtEveryMoment() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        const GameState& s = game.state;
        Moments moments;
        moments.Look(w, QStringLiteral("start"));
        // The modal windows of the first day, looked at once each.
        QStringList opened;
        game.player.answerFirst = [&](QWidget* modal) {
            const QString name = modal->objectName();
            if (!opened.contains(name)) {
                opened << name;
                moments.Look(w, QStringLiteral("under ") + name);
            }
            return false;
        };
        OnceWhen film([&] { return s.Torikumiday == 2 && s.AnimationRunning == 1; },
                      [&] {
                          moments.Look(w, QStringLiteral("in a film"));
                          w.btnStop->click();
                          moments.Look(w, QStringLiteral("paused"));
                          w.btnStop->click();
                          moments.Look(w, QStringLiteral("going on"));
                      });
        w.KN1->trigger();
        moments.Look(w, QStringLiteral("New game"));
        w.JuryoList->setCurrentRow(2);
        moments.Look(w, QStringLiteral("a pick"));
        w.PlayerOkButton->click();
        QVERIFY(film.done);
        moments.Look(w, QStringLiteral("after the basho"));
        w.KT1->trigger();
        moments.Look(w, QStringLiteral("practice"));
        w.K1->trigger();
        moments.Look(w, QStringLiteral("no animation"));
        w.KS1->trigger();
        w.KN1->trigger();
        moments.Look(w, QStringLiteral("New game after a basho"));
        w.KO2->trigger();
        moments.Look(w, QStringLiteral("after a resume"));
        w.KN1->trigger();
        w.JuryoList->setCurrentRow(0);
        std::filesystem::remove("Match.txt");
        w.PlayerOkButton->click();
        moments.Look(w, QStringLiteral("a confirm without the pairing table"));

        QVERIFY2(moments.faults.isEmpty(), qPrintable(moments.faults.join('\n')));
        // The first day's windows, and the message of the confirm that failed.
        QCOMPARE(opened, (QStringList{QStringLiteral("frmPaper"), QStringLiteral("frmStrategy"),
                                      QStringLiteral("frmStage"), QStringLiteral("ErrorBox")}));
        // The moments changed the view: the comparison compared something.
        QVERIFY2(moments.views.size() >= 8, qPrintable(QString::number(moments.views.size())));
        QCOMPARE(game.player.errors, QStringList{QStringLiteral("ﾌｧｲﾙが見つかりません")});
    }

    // Every day a tactic in turn, after the opponent report on odd days;
    // on the days of a multiple of 4 the window is closed without one and the
    // bout is fought with the day before's.
    void TheTacticPressedIsTheBouts() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        const auto pressed = [](int day) { return 1 + day % 3; };
        std::map<int, int> expected;
        bool reportRead = false;
        game.player.answerFirst = [&](QWidget* modal) {
            if (modal->objectName() != QLatin1String("frmStrategy"))
                return false;
            const int day = game.state.Torikumiday;
            if (day % 2 == 1 && !reportRead) {
                reportRead = true;
                modal->findChild<QPushButton*>(QStringLiteral("Button4"))->click();
                return true;  // the report, answered in turn; then this window again
            }
            reportRead = false;
            if (day % 4 == 0) {
                expected[day] = pressed(day - 1);
                modal->close();
                return true;
            }
            expected[day] = pressed(day);
            game.player.tactic = pressed(day);
            return false;
        };
        StartCareer(w, 1);
        QVERIFY2(game.player.errors.isEmpty(), qPrintable(game.player.errors.join('\n')));
        QCOMPARE(game.player.Count(QStringLiteral("frmReport")), 8);  // the odd days' reports
        QCOMPARE(static_cast<int>(expected.size()), 15);

        Database db("Kelmar.db");
        Statement bouts = db.Prepare("SELECT day, tactic FROM bouts WHERE career = 1 ORDER BY day");
        std::map<int, int> fought;
        while (bouts.Step())
            fought[static_cast<int>(bouts.Integer(0))] = static_cast<int>(bouts.Integer(1));
        QCOMPARE(fought, expected);
    }
};

QTEST_MAIN(CommandsWindowTest)
#include "commands_window_test.moc"
