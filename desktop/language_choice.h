// The language the desktop's windows show: the player's choice kept in the
// platform's settings beside the film's pace, or else the environment's
// language. What is stored never depends on it.
#pragma once

#include <QString>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "lang/language.h"
#include "state/wording.h"

namespace kelmar {

// The choice of an earlier run; nullopt without one, or when the settings
// cannot be read or hold a code we have no catalogue for.
std::optional<Language> KeptLanguage();
// The kept choice, or else the environment's language (std::getenv).
Language StartingLanguage();
// Keeps the choice for the next run; a failure to write it is ignored.
void KeepLanguage(Language language);

// The language the windows are drawn in now.
Language ShownLanguage();
void SetShownLanguage(Language language);

// A text of the windows (the Japanese, UTF-8) in the shown language.
QString Tr(std::string_view japanese);
QString TrIn(std::string_view context, std::string_view japanese);
// The same with each {placeholder} filled in with its piece (UTF-8).
QString TrFormat(std::string_view japanese, std::initializer_list<TextPiece> pieces);
// A display name (Shift-JIS) as the shown language shows it.
QString ShownNameOf(std::string_view displayName);

}  // namespace kelmar
