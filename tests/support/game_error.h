// The text of the game's error that a piece of code raises, as the player
// would read it in the message box; "no error" when it raises none.
#pragma once

#include <functional>
#include <string>

#include "state/errors.h"

namespace kelmar::testing {

inline std::string GameErrorOf(const std::function<void()>& body) {
    try {
        body();
    } catch (const GameError& e) {
        return e.what();
    }
    return "no error";
}

}  // namespace kelmar::testing
