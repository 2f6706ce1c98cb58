// Keys that press the buttons of a window, so that the dialogs of a day can be
// answered without the mouse. A key presses its button wherever the focus is
// in the button's window, but only while the button is shown and enabled; a
// key held down presses it once, not again in the next window that opens.
#pragma once

#include <QKeySequence>
#include <functional>

class QPushButton;

namespace kelmar {

// `key` in the button's window presses the button, as a click does, when
// `when` (if given) holds too.
void PressWithKey(QPushButton* button, const QKeySequence& key, std::function<bool()> when = {});

// Enter, the main keyboard's Return or the keypad's Enter, presses the button.
void PressWithEnter(QPushButton* button, const std::function<bool()>& when = {});

}  // namespace kelmar
