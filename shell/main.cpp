// Kelmar: the program. The game folder is the current directory.
#include <QApplication>

#include "shell/game_application.h"
#include "shell/main_window.h"
#include "state/game_state.h"
#include "state/random.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    kelmar::SetUpApplication(application);
    kelmar::GameState state;
    kelmar::SystemClock clock;
    kelmar::TfrmKelmar frmKelmar(state, clock);
    frmKelmar.show();
    return application.exec();
}
