// The application settings the game runs with, shared by the program and the
// tools that start its windows.
#pragma once

class QApplication;

namespace kelmar {

// Names the application, makes the main window's close end the program
// whatever else is open, and registers the fonts.
void SetUpApplication(QApplication& application);

}  // namespace kelmar
