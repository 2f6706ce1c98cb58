#include "lang/language.h"

#include <algorithm>
#include <string>

namespace kelmar {
namespace {

constexpr LanguageName kLanguages[] = {
    {Language::Japanese, "ja", "日本語"},
#define KELMAR_LANGUAGE(identifier, code, ownName) {Language::identifier, code, ownName},
#include "lang/catalogue_languages.inc"
#undef KELMAR_LANGUAGE
};

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// A locale name or a language tag without its codeset and modifier, "-" read
// as "_" and the language part in lower case: "en_GB.UTF-8" "en_GB", "ja-JP"
// "ja_JP".
std::string Normalized(std::string_view tag) {
    tag = tag.substr(0, tag.find_first_of(".@"));
    std::string out(tag);
    bool inLanguage = true;
    for (char& c : out) {
        if (c == '-')
            c = '_';
        if (c == '_')
            inLanguage = false;
        if (inLanguage)
            c = Lower(c);
    }
    return out;
}

std::string_view LanguagePart(std::string_view normalized) {
    return normalized.substr(0, normalized.find('_'));
}

// The C library's own locale, which speaks no language of its own: the game
// speaks its own there.
bool IsPlainLocale(std::string_view normalized) {
    return normalized == "c" || normalized == "posix";
}

std::optional<Language> Known(std::string_view value) {
    const std::string normalized = Normalized(value);
    if (IsPlainLocale(normalized))
        return Language::Japanese;
    return LanguageOfTag(value);
}

Language Resolved(std::string_view value) {
    return Known(value).value_or(Language::English);
}

std::string_view Variable(const EnvironmentGetter& get, const char* name) {
    const char* value = get(name);
    return value == nullptr ? std::string_view() : std::string_view(value);
}

}  // namespace

std::span<const LanguageName> Languages() {
    return kLanguages;
}

std::string_view CodeOf(Language language) {
    for (const LanguageName& l : kLanguages)
        if (l.language == language)
            return l.code;
    return kLanguages[0].code;
}

std::string_view OwnNameOf(Language language) {
    for (const LanguageName& l : kLanguages)
        if (l.language == language)
            return l.ownName;
    return kLanguages[0].ownName;
}

std::optional<Language> LanguageOfCode(std::string_view code) {
    for (const LanguageName& l : kLanguages)
        if (l.code == code)
            return l.language;
    return std::nullopt;
}

std::optional<Language> LanguageOfTag(std::string_view tag) {
    const std::string wanted = Normalized(tag);
    if (wanted.empty())
        return std::nullopt;
    for (const LanguageName& l : kLanguages)
        if (Normalized(l.code) == wanted)
            return l.language;
    for (const LanguageName& l : kLanguages)
        if (LanguagePart(Normalized(l.code)) == LanguagePart(wanted))
            return l.language;
    return std::nullopt;
}

Language LanguageOfEnvironment(const EnvironmentGetter& get) {
    const std::string_view list = Variable(get, "LANGUAGE");
    std::string_view first;
    for (size_t start = 0; start <= list.size();) {
        const size_t end = std::min(list.find(':', start), list.size());
        const std::string_view entry = list.substr(start, end - start);
        if (!entry.empty()) {
            if (const std::optional<Language> known = Known(entry))
                return *known;
            if (first.empty())
                first = entry;
        }
        start = end + 1;
    }
    if (!first.empty())
        return Resolved(first);
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const std::string_view value = Variable(get, name); !value.empty())
            return Resolved(value);
    return Language::Japanese;
}

}  // namespace kelmar
