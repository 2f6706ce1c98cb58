// The catalogue is complete: every text the core words for a window (each
// wd<"..."> of its sources) and every whole text the commands hand the faces
// has its English, and each is its Japanese exactly as the game shows it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "game/game.h"
#include "lang/catalogue.h"
#include "state/encoding.h"

namespace kelmar {
namespace {

namespace fs = std::filesystem;

struct Key {
    std::string context;
    std::string msgid;
    std::string where;
    bool operator<(const Key& o) const {
        return std::tie(context, msgid) < std::tie(o.context, o.msgid);
    }
};

std::string Contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Every wording of the core's sources, with its context.
std::set<Key> WordingsOfTheCore() {
    const std::regex wording(R"re(\bwd<"((?:[^"\\]|\\.)*)"(?:,\s*"((?:[^"\\]|\\.)*)")?>)re");
    std::set<Key> keys;
    for (const auto& entry : fs::recursive_directory_iterator(KELMAR_SOURCE_DIR "/core")) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".cpp" && ext != ".h")
            continue;
        const std::string text = Contents(entry.path());
        for (std::sregex_iterator m(text.begin(), text.end(), wording), end; m != end; ++m)
            keys.insert({(*m)[2].str(), (*m)[1].str(), entry.path().filename().string()});
    }
    return keys;
}

// Whether a text holds kana or kanji (or full-width forms): an untranslated
// Japanese text. The picture sheet's file name is a name, not a text.
bool HoldsJapanese(std::string text) {
    for (size_t at; (at = text.find("力士.bmp")) != std::string::npos;) text.erase(at, 8);
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == 0xE3 || (byte >= 0xE4 && byte <= 0xE9) || byte == 0xEF)
            return true;
    }
    return false;
}

TEST(Catalogue, EveryWordingOfTheCoreHasItsEnglish) {
    const std::set<Key> keys = WordingsOfTheCore();
    ASSERT_GE(keys.size(), 90u) << "the sources' wordings are found";
    for (const Key& key : keys) {
        if (key.msgid.empty())
            continue;
        const std::optional<std::string_view> english =
            CatalogueText(Language::English, key.context, key.msgid);
        EXPECT_TRUE(english.has_value())
            << key.where << ": no English for \"" << key.msgid << "\" (" << key.context << ")";
        if (english) {
            EXPECT_FALSE(HoldsJapanese(std::string(*english))) << *english;
        }
    }
}

TEST(Catalogue, EveryWordingIsTheJapaneseTheGameShows) {
    // The face shows the game's Shift-JIS converted: the catalogue's key must
    // be that text, character for character.
    for (const Key& key : WordingsOfTheCore())
        EXPECT_EQ(ShiftJisToUtf8(Utf8ToShiftJis(key.msgid)), key.msgid) << key.where;
}

TEST(Catalogue, EveryWholeTextOfTheCommandsHasItsEnglish) {
    std::vector<std::string> texts = {
        "Ok",
        "次へ",
        "停止",
        "再開",
        ShiftJisToUtf8(ChartTitles()),
        "保存ファイルを試すフォルダーに入れません",
    };
    for (const FilmPaceChoice& choice : kFilmPaces) texts.push_back(choice.caption);
    for (const std::string& text : texts) {
        const std::optional<std::string_view> english = CatalogueText(Language::English, "", text);
        ASSERT_TRUE(english.has_value()) << text;
        EXPECT_FALSE(HoldsJapanese(std::string(*english))) << *english;
    }
}

}  // namespace
}  // namespace kelmar
