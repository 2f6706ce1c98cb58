#include "desktop/game_application.h"

#include <QApplication>

#include "desktop/window_layout.h"

namespace kelmar {

void SetUpApplication(QApplication& application) {
    application.setApplicationName(QStringLiteral("kelmar"));
    application.setDesktopFileName(QStringLiteral("kelmar"));
    application.setQuitOnLastWindowClosed(false);
    RegisterFontSubstitutions();
}

}  // namespace kelmar
