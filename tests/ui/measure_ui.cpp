// How much of one core the game uses while it rests: at start, while a film
// plays, during a pause, and between two basho. The real main window with its
// 300 ms timer plays a first basho in a fresh folder over the shipped data; a
// player answers each modal window a moment after it opens. Every quarter of a
// second the process's CPU time is sampled and credited to what the game was
// doing at both ends of the interval. scripts/measure-ui runs it under xvfb-run.
#include <QApplication>
#include <QEventLoop>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <array>
#include <cstdio>
#include <ctime>

#include "desktop/game_application.h"
#include "desktop/main_window.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/game_folder.h"
#include "window_test_support.h"

using namespace kelmar;
using namespace kelmar::testing;

namespace {

enum Phase { kStart, kFilm, kPause, kBetween, kOther, kPhases };
const std::array<const char*, kPhases> kNames = {"at start", "while a film plays", "during a pause",
                                                 "between two basho", "(other)"};

double Seconds(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

void RunFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Meter {
    std::array<double, kPhases> wall{};
    std::array<double, kPhases> cpu{};
    Phase last = kOther;
    double lastWall = Seconds(CLOCK_MONOTONIC);
    double lastCpu = Seconds(CLOCK_PROCESS_CPUTIME_ID);

    void Sample(Phase now) {
        const double w = Seconds(CLOCK_MONOTONIC);
        const double c = Seconds(CLOCK_PROCESS_CPUTIME_ID);
        if (now == last) {
            wall[now] += w - lastWall;
            cpu[now] += c - lastCpu;
        }
        last = now;
        lastWall = w;
        lastCpu = c;
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    SetUpApplication(application);
    GameFolder folder;
    // The player's own settings (the film's pace) are neither read nor changed.
    SetUpInstalledGame(folder);

    GameState state;
    SystemClock clock;
    ModalAnswerer player(150);
    MainWindowOptions options;
    options.language = Language::Japanese;
    TfrmKelmar window(state, clock, options);
    window.show();
    RunFor(500);  // let the window settle

    Meter meter;
    bool started = false, paused = false, resumed = false, over = false;
    QTimer sampler;
    sampler.setInterval(250);
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        Phase now = kOther;
        if (QApplication::activeModalWidget() != nullptr)
            now = kOther;
        else if (!started)
            now = kStart;
        else if (over)
            now = kBetween;
        else if (state.Paused == 1)
            now = kPause;
        else if (state.AnimationRunning == 1)
            now = kFilm;
        meter.Sample(now);
        // Ten seconds of films, then five of a pause in the middle of one; then
        // only the player's bouts are filmed, to finish the basho sooner.
        if (!paused && meter.wall[kFilm] >= 10 && state.AnimationRunning == 1) {
            paused = true;
            window.btnStop->click();
        } else if (paused && !resumed && meter.wall[kPause] >= 5) {
            resumed = true;
            window.btnStop->click();
            window.K1->trigger();
        }
    });
    sampler.start();

    RunFor(5000);
    started = true;
    window.KN1->trigger();
    window.JuryoList->setCurrentRow(0);
    window.PlayerOkButton->click();  // the whole basho runs in here
    over = true;
    RunFor(5000);
    sampler.stop();

    std::printf("share of one core used by the game\n");
    for (int p = kStart; p <= kBetween; ++p)
        std::printf("  %-20s %5.2f %%  (over %.1f s)\n", kNames[p],
                    meter.wall[p] > 0 ? 100.0 * meter.cpu[p] / meter.wall[p] : 0.0, meter.wall[p]);
    for (const QString& error : player.errors) std::fprintf(stderr, "%s\n", qPrintable(error));
    return player.errors.isEmpty() ? 0 : 1;
}
