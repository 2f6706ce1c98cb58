// Every event handler of the windows runs its body through Guarded: a failure
// raised inside is shown in a message box with the game's own text, the
// handler ends there, and the program goes back to its event loop with the
// game state as it stood. No exception ever reaches Qt's event loop.
#pragma once

#include <exception>
#include <utility>

class QWidget;

namespace kelmar {

// Shows the failure's text (Shift-JIS for the game's errors) in a modal
// message box. While one such box is open, a further failure (a tick of the
// film timer, which goes on behind the box) is not shown in a second one.
void ShowFailure(QWidget* parent, const std::exception& failure);

template <typename Body>
void Guarded(QWidget* parent, Body&& body) {
    try {
        std::forward<Body>(body)();
    } catch (const std::exception& failure) {
        ShowFailure(parent, failure);
    }
}

}  // namespace kelmar
