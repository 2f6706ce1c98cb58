#include "lang/romaji.h"

#include <gtest/gtest.h>

#include <set>

#include "lang/names.h"
#include "shipped_folder.h"
#include "state/encoding.h"
#include "state/shift_jis_literal.h"
#include "state/text_file.h"

namespace kelmar {
namespace {

bool IsPlainRomaji(std::string_view reading) {
    if (reading.empty() || reading[0] < 'A' || reading[0] > 'Z')
        return false;
    for (const char c : reading)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
            return false;
    return true;
}

TEST(Romaji, EveryShikonaOfTheShippedDataHasAReadingOfItsOwn) {
    const RomajiTable table = RomajiTable::Read(KELMAR_DATA_DIR "/romaji.txt");
    std::vector<std::string> names = testing::ShippedRosterNames();
    const std::vector<std::string> juryo = testing::ShippedJuryoNames();
    ASSERT_EQ(names.size(), 31u);
    ASSERT_EQ(juryo.size(), 27u);
    names.insert(names.end(), juryo.begin(), juryo.end());
    std::set<std::string> readings;
    for (const std::string& name : names) {
        const std::optional<std::string_view> reading = table.Of(name);
        ASSERT_TRUE(reading.has_value()) << ShiftJisToUtf8(name);
        EXPECT_TRUE(IsPlainRomaji(*reading)) << *reading << ": ASCII letters, a capital first";
        readings.insert(std::string(*reading));
    }
    EXPECT_EQ(readings.size(), names.size()) << "no two shikona read alike";
    EXPECT_EQ(table.size(), names.size()) << "no reading of a name the data lacks";
}

TEST(Romaji, TheFileIsUtf8OneLineAName) {
    const std::string bytes = ReadWholeFile(KELMAR_DATA_DIR "/romaji.txt");
    EXPECT_TRUE(bytes.starts_with("剛嶽\tGotake\n"));
    EXPECT_EQ(bytes.back(), '\n');
    EXPECT_EQ(bytes.find('\r'), std::string::npos);
}

TEST(Romaji, LinesOfTheTable) {
    const RomajiTable table = RomajiTable::Parse(
        "剛嶽\tGotake\r\n"
        "no tab here\n"
        "\tNoName\n"
        "雷峰\t\n"
        "\n"
        "剛嶽\tSecond\n"
        "鶴翔\tKakusho");
    EXPECT_EQ(table.size(), 3u);
    EXPECT_EQ(table.Of(sj<"剛嶽">), "Gotake") << "CR LF, and the first of two lines";
    EXPECT_EQ(table.Of(sj<"鶴翔">), "Kakusho") << "the last line without its end";
    EXPECT_EQ(table.Of(sj<"雷峰">), std::nullopt) << "an empty reading";
    EXPECT_EQ(table.Of(""), std::nullopt);
    EXPECT_EQ(table.Of("no tab here"), std::nullopt);
}

TEST(Romaji, TheGameFoldersTable) {
    EXPECT_EQ(RomajiOf(sj<"北斗錦">), "Hokutonishiki");
    EXPECT_EQ(RomajiOf(sj<"霞山">), "Kasumiyama");
    EXPECT_EQ(RomajiOf(sj<"手作り山">), std::nullopt);
}

TEST(ShownName, TheReadingOrTheNameAsItIs) {
    EXPECT_EQ(ShownName(Language::English, sj<"北斗錦">), "Hokutonishiki");
    EXPECT_EQ(ShownName(Language::Japanese, sj<"北斗錦">), "北斗錦");
    EXPECT_EQ(ShownName(Language::English, sj<"手作り山">), "手作り山")
        << "a name of a hand-made roster";
    EXPECT_EQ(ShownName(Language::English, "Unknown"), "Unknown");
}

}  // namespace
}  // namespace kelmar
