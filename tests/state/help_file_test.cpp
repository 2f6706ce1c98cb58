#include "state/help_file.h"

#include <gtest/gtest.h>

#include "state/errors.h"
#include "state/shift_jis_literal.h"
#include "support/game_folder.h"

namespace kelmar {
namespace {

using testing::CrLf;

TEST(HelpFile, TopicsParagraphsAndLinks) {
    const HelpFile file = ParseHelpFile(CrLf({
        "a line before the first topic is not shown",
        sj<"@topic 1 遊びかた">,
        sj<"ケルマーへようこそ。">,
        sj<"{2:番付}を見てください。">,
        "",
        "",
        sj<"二つ目の段落">,
        sj<"@topic 2 番付">,
        sj<"{1:戻る}">,
    }));
    ASSERT_EQ(file.topics.size(), 2u);
    const HelpTopic* start = file.Find(1);
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->title, sj<"遊びかた">);
    ASSERT_EQ(start->paragraphs.size(), 2u);
    EXPECT_EQ(start->paragraphs[0], (HelpParagraph{{sj<"ケルマーへようこそ。\n">, 0},
                                                   {sj<"番付">, 2},
                                                   {sj<"を見てください。">, 0}}));
    EXPECT_EQ(start->paragraphs[1], (HelpParagraph{{sj<"二つ目の段落">, 0}}));
    EXPECT_EQ(file.Find(2)->paragraphs[0], (HelpParagraph{{sj<"戻る">, 1}}));
    EXPECT_EQ(file.Find(3), nullptr);
}

TEST(HelpFile, BracesInsideDoubleByteCharactersAreText) {
    // "ボ" is 83 7B and "マ" 83 7D: their second bytes are "{" and "}".
    struct Case {
        const char* line;
        HelpParagraph expected;
    };
    const Case cases[] = {
        {sj<"{3:ボマ}">, {{sj<"ボマ">, 3}}},
        {sj<"ボ3:x}">, {{sj<"ボ3:x}">, 0}}},
        {sj<"マ{2:x}マ">, {{sj<"マ">, 0}, {"x", 2}, {sj<"マ">, 0}}},
        {sj<"{2:ボ">, {{sj<"{2:ボ">, 0}}},
        {"{x:y} {0:z} {:w}", {{"{x:y} {0:z} {:w}", 0}}},
        {"{{4:a}}", {{"{", 0}, {"a", 4}, {"}", 0}}},
    };
    for (const Case& c : cases) {
        const HelpFile file = ParseHelpFile(CrLf({"@topic 1 t", c.line}));
        ASSERT_EQ(file.topics.size(), 1u) << c.line;
        ASSERT_EQ(file.topics[0].paragraphs.size(), 1u) << c.line;
        EXPECT_EQ(file.topics[0].paragraphs[0], c.expected) << c.line;
    }
}

TEST(HelpFile, ABadTopicLineTakesItsBodyWithIt) {
    const HelpFile file =
        ParseHelpFile(CrLf({sj<"@topic x 題">, sj<"本文">, "@topic 5", sj<"五">}));
    ASSERT_EQ(file.topics.size(), 1u);
    EXPECT_EQ(file.topics[0].number, 5);
    EXPECT_EQ(file.topics[0].title, "");
    EXPECT_EQ(file.topics[0].paragraphs[0], (HelpParagraph{{sj<"五">, 0}}));
}

TEST(HelpFile, AMissingFileIsAnInOutError) {
    testing::GameFolder folder;
    try {
        ReadHelpFile("Kelmar.hlp");
        FAIL() << "no error";
    } catch (const InOutError& error) {
        EXPECT_EQ(error.code(), 2);
    }
}

}  // namespace
}  // namespace kelmar
