#include "desktop/button_keys.h"

#include <QPushButton>
#include <QShortcut>

namespace kelmar {

void PressWithKey(QPushButton* button, const QKeySequence& key, std::function<bool()> when) {
    // A shortcut owned by the button is live only while the button is visible
    // and enabled and its window is the active one.
    auto* shortcut = new QShortcut(key, button);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    QObject::connect(shortcut, &QShortcut::activated, button, [button, when = std::move(when)] {
        if (!when || when())
            button->click();
    });
}

void PressWithEnter(QPushButton* button, const std::function<bool()>& when) {
    PressWithKey(button, QKeySequence(Qt::Key_Return), when);
    PressWithKey(button, QKeySequence(Qt::Key_Enter), when);
}

}  // namespace kelmar
