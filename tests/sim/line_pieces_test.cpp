// The pieces the basho line is made of: figures from the table of small ones
// and beyond it, a line longer than the stack buffer, and the game's texts
// found again by their place's hint or by their own text.
#include "sim/line_pieces.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "sim/json_texts.h"
#include "sim/sim_lines.h"
#include "state/encoding.h"

namespace kelmar::sim {
namespace {

using kelmar::testing::Json;

std::string QuotedByTheLibrary(const std::string& sjis) {
    return Json(ShiftJisToUtf8(sjis)).dump();
}

TEST(LinePieces, FiguresReadAsTheirDecimalText) {
    std::vector<int64_t> figures = {0,
                                    9,
                                    10,
                                    99,
                                    100,
                                    999,
                                    1000,
                                    -1,
                                    -999,
                                    -1000,
                                    std::numeric_limits<int32_t>::min(),
                                    std::numeric_limits<int32_t>::max(),
                                    std::numeric_limits<int64_t>::min(),
                                    std::numeric_limits<int64_t>::max()};
    for (int64_t figure = 0; figure <= 1100; ++figure) figures.push_back(figure);
    std::string line;
    std::string expected;
    LinePieces out(line);
    for (const int64_t figure : figures) {
        out.Field(",\"e\":", figure);
        expected += ",\"e\":" + std::to_string(figure);
    }
    out.Flush();
    EXPECT_EQ(line, expected);
}

TEST(LinePieces, ALineLongerThanTheBufferKeepsItsOrder) {
    const std::string longName(3000, 'x');  // longer than the buffer itself
    std::string line;
    std::string expected;
    LinePieces out(line);
    for (int k = 0; k < 200; ++k) {
        out.Put("{\"name\":");
        out.Put(k == 100 ? std::string_view(longName) : std::string_view("\"a\""));
        char* at = out.Reserve<3>();
        at[0] = ',';
        at[1] = '7';
        out.Commit(at + 2);
        out.Field(",\"w\":", k);
        out.Put('}');
        expected +=
            "{\"name\":" + (k == 100 ? longName : "\"a\"") + ",7,\"w\":" + std::to_string(k) + "}";
    }
    out.Flush();
    EXPECT_EQ(line, expected);
}

TEST(JsonTexts, ATextIsFoundByItsHintOrByItsText) {
    JsonTexts texts;
    const std::string a = "\x88\x9f\x8e\x52\x30\x31";  // a name of two kanji and two digits
    const std::string b = "\x88\x9f\x8e\x52\x30\x32";
    JsonTexts::Hint hintA = 0;
    JsonTexts::Hint hintB = 0;
    EXPECT_EQ(texts.Quoted(a, hintA), QuotedByTheLibrary(a));
    EXPECT_EQ(texts.Quoted(b, hintB), QuotedByTheLibrary(b));
    EXPECT_NE(hintA, hintB);
    EXPECT_EQ(texts.Quoted(a, hintA), QuotedByTheLibrary(a)) << "its own hint";
    EXPECT_EQ(texts.Quoted(a, hintB), QuotedByTheLibrary(a)) << "the hint of another text";
    EXPECT_EQ(hintB, hintA) << "the hint now points to the text found";
    JsonTexts::Hint wild = 4000000000u;
    EXPECT_EQ(texts.Quoted(b, wild), QuotedByTheLibrary(b)) << "a hint past the table";
    EXPECT_EQ(texts.size(), 2u);
}

// Texts of every length the lookup tells apart differently: a few bytes
// (these repeat), four to seven, eight to sixteen, and the page's longer
// lines; many of them alike but for a byte or two.
std::vector<std::string> ManyTexts(int count) {
    std::vector<std::string> texts;
    for (int k = 0; k < count; ++k) {
        const std::string number = std::to_string(k);
        const std::string kanji = "\x8e\x52";
        switch (k % 4) {
            case 0:
                texts.push_back(number.substr(0, 3) + (k > 999 ? "" : "\""));
                break;
            case 1:
                texts.push_back(kanji + number);
                break;
            case 2:
                texts.push_back(kanji + kanji + kanji + number + "\n\r");
                break;
            default:
                texts.push_back(kanji + "\x81\x41" + number + std::string(20, ' ') + kanji +
                                "\n\r");
        }
    }
    return texts;
}

TEST(JsonTexts, ATableThatGrowsKeepsItsHints) {
    const std::vector<std::string> many = ManyTexts(5000);
    JsonTexts texts;
    std::vector<JsonTexts::Hint> hints(many.size());
    for (size_t k = 0; k < many.size(); ++k) texts.Quoted(many[k], hints[k]);
    const size_t held = texts.size();
    for (size_t k = 0; k < many.size(); ++k) {
        const JsonTexts::Hint before = hints[k];
        ASSERT_EQ(texts.Quoted(many[k], hints[k]), QuotedByTheLibrary(many[k])) << k;
        EXPECT_EQ(hints[k], before) << k;
        ASSERT_EQ(texts.Quoted(many[k]), QuotedByTheLibrary(many[k])) << k;
    }
    EXPECT_EQ(texts.size(), held) << "every text found by its text, none converted twice";
}

TEST(JsonTexts, AFullTableStartsAfreshAndKeepsItsTextsRight) {
    const std::vector<std::string> names = ManyTexts(20);
    JsonTexts texts(8);
    std::vector<JsonTexts::Hint> hints(names.size());
    for (int round = 0; round < 3; ++round) {
        for (size_t k = 0; k < names.size(); ++k) {
            ASSERT_EQ(texts.Quoted(names[k], hints[k]), QuotedByTheLibrary(names[k]))
                << "round " << round << ", text " << k;
            EXPECT_LE(texts.size(), 8u);
        }
    }
}

}  // namespace
}  // namespace kelmar::sim
