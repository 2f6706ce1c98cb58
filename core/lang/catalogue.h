// The game's texts in the player's language, from the catalogues compiled at
// build time (i18n/*.po). A text is looked up by its Japanese wording in
// UTF-8, exactly as the game shows it, with a {placeholder} where the game
// puts a piece in (a name, a rank, a number); a text that a catalogue lacks
// is shown in Japanese. Everything here is UTF-8.
#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "lang/language.h"
#include "state/wording.h"

namespace kelmar {

// The text of `japanese` in `language`: the catalogue's, or the Japanese
// itself. A context tells two uses of one Japanese wording apart (the rank
// word and its short form).
std::string Translate(Language language, std::string_view japanese);
std::string TranslateIn(Language language, std::string_view context, std::string_view japanese);
// The catalogue's text alone: nullopt for Japanese and for a text the
// catalogue lacks.
std::optional<std::string_view> CatalogueText(Language language, std::string_view context,
                                              std::string_view japanese);

// The translated text with each {placeholder} replaced by the piece of its
// name (UTF-8); a placeholder without a piece stays as it is.
std::string Format(Language language, std::string_view japanese,
                   std::initializer_list<TextPiece> pieces);
std::string FormatIn(Language language, std::string_view context, std::string_view japanese,
                     std::initializer_list<TextPiece> pieces);
// A wording the game composes, in its context, translated and filled in.
std::string Format(Language language, const Wording& wording, std::span<const TextPiece> pieces);
std::string Translate(Language language, const Wording& wording);
std::string Format(Language language, const Wording& wording,
                   std::initializer_list<TextPiece> pieces);

}  // namespace kelmar
