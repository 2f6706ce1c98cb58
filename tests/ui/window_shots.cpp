// Pictures of the game's windows at the moments of a first basho, to be looked
// at (not a test): the main window at start, with the new-career panel after a
// pick, in the middle of a day's film, and after the basho; and every modal
// window of the basho the first time it opens; then the career played on to
// its end, with the career report and the name dialog. The main window at
// start and after the career shows its home, without and with a saved game. The game runs in a
// fresh folder over the shipped data, its timer ticking fast.
// The windows are in Japanese, or in the language of the code given second.
//     build/dev/tests/ui/kelmar-window-shots /tmp/shots [en]
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QImage>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <cstdio>

#include "desktop/about_window.h"
#include "desktop/best10_window.h"
#include "desktop/game_application.h"
#include "desktop/main_window.h"
#include "desktop/strategy_window.h"
#include "window_test_support.h"

using namespace kelmar;
using namespace kelmar::testing;

namespace {

void Wait(int ms) {
    QEventLoop moment;
    QTimer::singleShot(ms, &moment, &QEventLoop::quit);
    moment.exec();
}

// Menus and tooltips are windows of their own: on a real display (xvfb-run)
// the screen is taken, after a moment for them to open.
void SaveScreen(const QString& folder, const QString& name) {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    Wait(400);
    QGuiApplication::primaryScreen()->grabWindow(0).save(folder + "/" + name + ".png");
}

// The tactic window with the tooltip of a button, which tells its key.
void SaveTacticTooltip(TfrmKelmar& window, const QString& folder) {
    window.frmStrategy->show();
    Wait(400);  // shown and active: its activation would close the tip
    QPushButton* button = window.frmStrategy->Button2;
    QToolTip::showText(button->mapToGlobal(QPoint(20, 20)), button->toolTip(), button);
    SaveScreen(folder, "frmStrategy-tooltip");
    QToolTip::hideText();
    window.frmStrategy->hide();
}

// The options menu open on the film's pace.
void SaveFilmPaceMenu(TfrmKelmar& window, const QString& folder) {
    QMenuBar* bar = window.menuBar();
    window.KO1->popup(bar->mapToGlobal(bar->actionGeometry(window.KO1->menuAction()).bottomLeft()));
    window.KO1->setActiveAction(window.FilmPaceMenu->menuAction());  // opens the submenu
    SaveScreen(folder, "menu-film-pace");
    window.FilmPaceMenu->hide();
    window.KO1->hide();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    SetUpApplication(application);
    const std::optional<Language> language = ShotsLanguage(argc, argv);
    if (!language)
        return 2;
    const QString folder = ShotsFolder(std::min(argc, 2), argv);
    if (folder.isEmpty())
        return 2;

    GameUnderTest game(true, 1, *language);
    TfrmKelmar& window = *game.window;
    window.show();
    QApplication::processEvents();
    SaveShot(&window, folder, "start");  // the home without a saved game
    SaveFilmPaceMenu(window, folder);

    QStringList taken;
    QString prefix;
    game.player.readReportFirst = true;
    game.player.answerFirst = [&](QWidget* modal) {
        const QString name = modal->objectName();
        if (!taken.contains(prefix + name)) {
            taken << prefix + name;
            SaveShot(modal, folder, prefix + name);
        }
        return false;  // the player answers it as usual
    };
    OnceWhen midFilm([&] { return game.state.Torikumiday == 3 && game.state.AnimationStep == 3; },
                     [&] { SaveShot(&window, folder, "film"); });

    window.KN1->trigger();
    window.JuryoList->setCurrentRow(6);
    QApplication::processEvents();
    SaveShot(&window, folder, "panel");
    window.PlayerOkButton->click();
    SaveShot(&window, folder, "after-basho");
    window.KS1->trigger();  // a saved game for the home to show

    // On to the end of the career, filming only the player's bouts: the career
    // report and the name asked for the top ten.
    window.K1->trigger();
    game.player.readReportFirst = false;
    prefix = QStringLiteral("retirement-");
    for (int basho = 0; basho < 400 && !window.PlayerOkButton->isHidden(); ++basho)
        window.PlayerOkButton->click();
    SaveShot(&window, folder, "retired");  // the home back, with the saved game

    window.frmBest10->Fill(window.game().TopTen());
    window.frmBest10->show();
    SaveShot(window.frmBest10, folder, "frmBest10");
    window.KA1->trigger();
    SaveShot(window.AboutForm, folder, "AboutForm");
    SaveTacticTooltip(window, folder);
    // On a real display (xvfb-run), the whole screen as well.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        QGuiApplication::primaryScreen()->grabWindow(0).save(folder + "/screen.png");

    for (const QString& error : game.player.errors) std::fprintf(stderr, "%s\n", qPrintable(error));
    std::printf("%lld pictures in %s\n",
                static_cast<long long>(QDir(folder).entryList({"*.png"}).size()),
                qPrintable(folder));
    return game.player.errors.isEmpty() ? 0 : 1;
}
