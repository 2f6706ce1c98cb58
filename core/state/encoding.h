// The one conversion between the game's Shift-JIS strings and UTF-8, for
// everything that leaves the game: the windows, the simulator's output.
#pragma once

#include <string>
#include <string_view>

namespace kelmar {

// Shift-JIS (code page 932) to UTF-8. A byte sequence that is not Shift-JIS
// becomes U+FFFD, so that any stored string can be shown.
std::string ShiftJisToUtf8(std::string_view sjis);

// UTF-8 to Shift-JIS. A character that Shift-JIS cannot hold becomes "?".
std::string Utf8ToShiftJis(std::string_view utf8);

}  // namespace kelmar
