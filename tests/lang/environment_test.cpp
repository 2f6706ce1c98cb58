#include <gtest/gtest.h>

#include <map>
#include <string>

#include "lang/language.h"

namespace kelmar {
namespace {

using Environment = std::map<std::string, std::string>;

Language Of(const Environment& environment) {
    return LanguageOfEnvironment([&](const char* name) -> const char* {
        const auto found = environment.find(name);
        return found == environment.end() ? nullptr : found->second.c_str();
    });
}

TEST(LanguageOfEnvironment, TheFirstVariableSetDecides) {
    const struct {
        const char* rule;
        Environment environment;
        Language language;
    } cases[] = {
        {"nothing set: the game's own language", {}, Language::Japanese},
        {"all set but empty", {{"LANGUAGE", ""}, {"LC_ALL", ""}, {"LANG", ""}}, Language::Japanese},
        {"LANG Japanese", {{"LANG", "ja_JP.UTF-8"}}, Language::Japanese},
        {"LANG Japanese in Shift-JIS", {{"LANG", "ja_JP.SJIS"}}, Language::Japanese},
        {"LANG English", {{"LANG", "en_US.UTF-8"}}, Language::English},
        {"LANG French: anything else is English", {{"LANG", "fr_FR.UTF-8"}}, Language::English},
        {"LANG C", {{"LANG", "C"}}, Language::Japanese},
        {"LANG C.UTF-8", {{"LANG", "C.UTF-8"}}, Language::Japanese},
        {"LANG POSIX", {{"LANG", "POSIX"}}, Language::Japanese},
        {"a language tag of another kind", {{"LANG", "ja-JP"}}, Language::Japanese},
        {"a modifier", {{"LANG", "de_DE@euro"}}, Language::English},
        {"Javanese is no Japanese", {{"LANG", "jv_ID"}}, Language::English},
        {"LC_MESSAGES before LANG",
         {{"LC_MESSAGES", "en_GB.UTF-8"}, {"LANG", "ja_JP.UTF-8"}},
         Language::English},
        {"LC_ALL before LC_MESSAGES",
         {{"LC_ALL", "ja_JP.UTF-8"}, {"LC_MESSAGES", "en_GB.UTF-8"}, {"LANG", "en_GB.UTF-8"}},
         Language::Japanese},
        {"LC_ALL C wins over an English LANG",
         {{"LC_ALL", "C"}, {"LANG", "en_US.UTF-8"}},
         Language::Japanese},
        {"an empty LC_ALL is passed over",
         {{"LC_ALL", ""}, {"LANG", "en_US.UTF-8"}},
         Language::English},
        {"LANGUAGE before them all",
         {{"LANGUAGE", "ja"}, {"LC_ALL", "en_US.UTF-8"}},
         Language::Japanese},
        {"LANGUAGE English over a Japanese LANG",
         {{"LANGUAGE", "en_GB:en"}, {"LANG", "ja_JP.UTF-8"}},
         Language::English},
        {"LANGUAGE: the first of its list that we have",
         {{"LANGUAGE", "fr_FR:fr:ja:en"}, {"LANG", "en_US.UTF-8"}},
         Language::Japanese},
        {"LANGUAGE: none of its list we have is English",
         {{"LANGUAGE", "fr:de"}, {"LANG", "ja_JP.UTF-8"}},
         Language::English},
        {"LANGUAGE of empty entries counts as empty",
         {{"LANGUAGE", "::"}, {"LANG", "en_US"}},
         Language::English},
        {"LANGUAGE with empty entries between", {{"LANGUAGE", ":fr::en:"}}, Language::English},
        {"LANGUAGE in capitals", {{"LANGUAGE", "EN"}}, Language::English},
    };
    for (const auto& c : cases) EXPECT_EQ(Of(c.environment), c.language) << c.rule;
}

TEST(Languages, EachInItsOwnNameJapaneseFirst) {
    ASSERT_GE(Languages().size(), 2u);
    EXPECT_EQ(Languages()[0].language, Language::Japanese);
    EXPECT_EQ(OwnNameOf(Language::Japanese), "日本語");
    EXPECT_EQ(OwnNameOf(Language::English), "English");
    EXPECT_EQ(CodeOf(Language::English), "en");
    for (const LanguageName& l : Languages()) {
        EXPECT_EQ(LanguageOfCode(l.code), l.language) << l.code;
        EXPECT_EQ(CodeOf(l.language), l.code);
    }
    EXPECT_EQ(LanguageOfCode("EN"), std::nullopt) << "a kept choice is its exact code";
    EXPECT_EQ(LanguageOfCode(""), std::nullopt);
}

TEST(LanguageOfTag, ByTheLanguagePart) {
    const struct {
        const char* tag;
        std::optional<Language> language;
    } cases[] = {
        {"ja", Language::Japanese},
        {"ja-JP", Language::Japanese},
        {"ja_JP.eucJP", Language::Japanese},
        {"en", Language::English},
        {"en-GB", Language::English},
        {"EN-us", Language::English},
        {"en_US.UTF-8@euro", Language::English},
        {"fr-FR", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"english", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(LanguageOfTag(c.tag), c.language) << c.tag;
}

}  // namespace
}  // namespace kelmar
