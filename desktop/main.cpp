// Kelmar: the program. The game folder is the current directory.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "desktop/game_application.h"
#include "desktop/main_window.h"
#include "state/game_state.h"
#include "state/random.h"

namespace {

// With KELMAR_STARTUP_PROBE set, the program prints the wall-clock time of the
// main window's first paint, in milliseconds since the epoch, and ends:
// scripts/measure-ui times the starts with it, and tests/ui/install_test.sh
// sees the installed game start.
class FirstPaintProbe : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // After this paint has reached the screen.
            QTimer::singleShot(0, [] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                std::printf(
                    "%lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::milliseconds>(now).count()));
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    kelmar::SetUpApplication(application);
    kelmar::GameState state;
    kelmar::SystemClock clock;
    kelmar::TfrmKelmar frmKelmar(state, clock);
    FirstPaintProbe probe;
    if (qEnvironmentVariableIsSet("KELMAR_STARTUP_PROBE"))
        frmKelmar.installEventFilter(&probe);
    frmKelmar.show();
    return application.exec();
}
