// The game's error messages as a face shows them in its language: the game's
// own text in Japanese, its words translated in any other, with the file's
// name and the system's reason where the game knows them.
#pragma once

#include <exception>
#include <string>

#include "lang/language.h"

namespace kelmar {

// UTF-8. An exception that is no game error shows its own text.
std::string ErrorText(Language language, const std::exception& error);

}  // namespace kelmar
