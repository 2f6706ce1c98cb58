// The game keeps its text as Shift-JIS bytes; the windows show QString. This
// is the one place where the two meet.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace kelmar {

// A game string for a window. Bytes that are not Shift-JIS show as U+FFFD.
QString FromGame(std::string_view sjis);

// What the player typed, as a game string. A character Shift-JIS cannot hold
// becomes "?".
std::string ToGame(const QString& text);

}  // namespace kelmar
