// The languages of the game's faces: Japanese, the game's own, and one more
// for every catalogue i18n/*.po (a third language is one more file). What is
// stored never depends on the language: only what a face shows does.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string_view>

namespace kelmar {

enum class Language {
    Japanese,
#define KELMAR_LANGUAGE(identifier, code, ownName) identifier,
#include "lang/catalogue_languages.inc"
#undef KELMAR_LANGUAGE
};

// A language as the pickers list it: its code ("ja", "en") and its name in
// its own words (日本語, English), UTF-8.
struct LanguageName {
    Language language;
    std::string_view code;
    std::string_view ownName;
};

// Japanese first, then the catalogues' languages.
std::span<const LanguageName> Languages();
std::string_view CodeOf(Language language);
std::string_view OwnNameOf(Language language);
// The language of this exact code, as a face keeps the player's choice.
std::optional<Language> LanguageOfCode(std::string_view code);
// The language of a locale name or language tag by its language part:
// "ja_JP.UTF-8" and "ja-JP" Japanese, "en_GB" and "en-US" English; nullopt
// for one we have no catalogue for.
std::optional<Language> LanguageOfTag(std::string_view tag);

// The language of the environment as the desktop reads it: the first
// non-empty of LANGUAGE, LC_ALL, LC_MESSAGES and LANG. LANGUAGE is a colon
// list and counts by its first entry that we have (its first entry when we
// have none). "ja..." is Japanese, and so are "C", "POSIX" and nothing set,
// the game's own language; anything else is English. `get` reads a variable
// as std::getenv does (null when it is not set).
using EnvironmentGetter = std::function<const char*(const char* name)>;
Language LanguageOfEnvironment(const EnvironmentGetter& get);

}  // namespace kelmar
