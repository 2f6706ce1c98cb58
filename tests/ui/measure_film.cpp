// How long a day lasts with every bout filmed, at the standard film pace and
// at the fastest, and the share of one core the game uses meanwhile. The real
// main window plays a first basho in a fresh folder over the shipped data, the
// animation switch on; the days alternate between 標準 and とても速い, the
// pace chosen from the menu while the evening's chart is open. A day is
// timed from the close of one evening's chart to the opening of the next; the
// tactic window in between is answered at once. scripts/measure-film runs it
// under xvfb-run; the argument is the number of days timed (default 8).
#include <QApplication>
#include <QEvent>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <vector>

#include "desktop/film_pace.h"
#include "desktop/game_application.h"
#include "desktop/main_window.h"
#include "desktop/stage_window.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/game_folder.h"
#include "window_test_support.h"

using namespace kelmar;
using namespace kelmar::testing;

namespace {

double Seconds(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Day {
    double wall = 0;
    double cpu = 0;
};

// Stamps the chart's showing and closing, and sets the pace of the next day
// while the chart is open.
class DayClock : public QObject {
  public:
    DayClock(TfrmKelmar& window, const GameState& state, int days)
        : window_(window), state_(state), days_(days) {}

    std::map<FilmPace, std::vector<Day>> days;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            Evening();
        else if (event->type() == QEvent::Hide)
            Morning();
        return QObject::eventFilter(watched, event);
    }

  private:
    // The pace of day d: the first timed day (day 2) at the standard pace.
    static FilmPace PaceOf(int day) {
        return day % 2 == 0 ? FilmPace::Standard : FilmPace::VeryFast;
    }

    void Evening() {
        const int day = state_.Torikumiday;
        if (morningWall_ > 0) {
            const Day timed{Seconds(CLOCK_MONOTONIC) - morningWall_,
                            Seconds(CLOCK_PROCESS_CPUTIME_ID) - morningCpu_};
            days[PaceOf(day)].push_back(timed);
            std::fprintf(stderr, "day %d: %.2f s, %.2f s of CPU\n", day, timed.wall, timed.cpu);
        }
        morningWall_ = 0;
        if (day >= days_ + 1) {
            // Enough: the basho skips the other days. Once the chart is shown,
            // so that quitting closes it and ends its modal loop.
            QTimer::singleShot(0, &window_, [this] { window_.KQ1->trigger(); });
            return;
        }
        window_.FilmPaceItems[static_cast<size_t>(PaceOf(day + 1))]->trigger();
    }

    void Morning() {
        if (state_.QuitRequested != 0)
            return;
        morningWall_ = Seconds(CLOCK_MONOTONIC);
        morningCpu_ = Seconds(CLOCK_PROCESS_CPUTIME_ID);
    }

    TfrmKelmar& window_;
    const GameState& state_;
    int days_;
    double morningWall_ = 0;
    double morningCpu_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    SetUpApplication(application);
    const int timedDays = std::clamp(argc > 1 ? std::atoi(argv[1]) : 8, 2, 14);
    GameFolder folder;
    // The player's own settings (the film's pace) are neither read nor changed.
    SetUpInstalledGame(folder);

    GameState state;
    SystemClock clock;
    ModalAnswerer player(20);
    MainWindowOptions options;
    options.language = Language::Japanese;
    TfrmKelmar window(state, clock, options);
    window.show();
    DayClock dayClock(window, state, timedDays);
    window.frmStage->installEventFilter(&dayClock);

    window.KN1->trigger();
    window.JuryoList->setCurrentRow(0);
    window.PlayerOkButton->click();  // the basho runs in here

    const std::vector<Day>& standard = dayClock.days[FilmPace::Standard];
    const std::vector<Day>& fastest = dayClock.days[FilmPace::VeryFast];
    const auto wall = [](const std::vector<Day>& days) {
        std::vector<double> values;
        for (const Day& day : days) values.push_back(day.wall);
        return values;
    };
    const auto share = [](const std::vector<Day>& days) {
        std::vector<double> values;
        for (const Day& day : days) values.push_back(100 * day.cpu / day.wall);
        return values;
    };
    std::printf("a day with every bout filmed (16 films), median over %zu and %zu days\n",
                standard.size(), fastest.size());
    for (const auto& [name, days] :
         {std::pair{"標準 (300 ms)     ", &standard}, std::pair{"とても速い (75 ms)", &fastest}}) {
        const std::vector<double> seconds = wall(*days);
        std::printf("  %s  %6.2f s a day (%.2f .. %.2f), %5.2f %% of a core\n", name,
                    Median(seconds), *std::min_element(seconds.begin(), seconds.end()),
                    *std::max_element(seconds.begin(), seconds.end()), Median(share(*days)));
    }
    std::printf("  とても速い / 標準: %.3f\n", Median(wall(fastest)) / Median(wall(standard)));
    for (const QString& error : player.errors) std::fprintf(stderr, "%s\n", qPrintable(error));
    return player.errors.isEmpty() && !standard.empty() && !fastest.empty() ? 0 : 1;
}
