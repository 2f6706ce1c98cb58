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
        "@topic 1 遊びかた"_sj,
        "ケルマーへようこそ。"_sj,
        "{2:番付}を見てください。"_sj,
        "",
        "",
        "二つ目の段落"_sj,
        "@topic 2 番付"_sj,
        "{1:戻る}"_sj,
    }));
    ASSERT_EQ(file.topics.size(), 2u);
    const HelpTopic* start = file.Find(1);
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->title, "遊びかた"_sj);
    ASSERT_EQ(start->paragraphs.size(), 2u);
    EXPECT_EQ(start->paragraphs[0],
              (HelpParagraph{
                  {"ケルマーへようこそ。\n"_sj, 0}, {"番付"_sj, 2}, {"を見てください。"_sj, 0}}));
    EXPECT_EQ(start->paragraphs[1], (HelpParagraph{{"二つ目の段落"_sj, 0}}));
    EXPECT_EQ(file.Find(2)->paragraphs[0], (HelpParagraph{{"戻る"_sj, 1}}));
    EXPECT_EQ(file.Find(3), nullptr);
}

TEST(HelpFile, BracesInsideDoubleByteCharactersAreText) {
    // "ボ" is 83 7B and "マ" 83 7D: their second bytes are "{" and "}".
    struct Case {
        const char* line;
        HelpParagraph expected;
    };
    const Case cases[] = {
        {"{3:ボマ}"_sj, {{"ボマ"_sj, 3}}},
        {"ボ3:x}"_sj, {{"ボ3:x}"_sj, 0}}},
        {"マ{2:x}マ"_sj, {{"マ"_sj, 0}, {"x", 2}, {"マ"_sj, 0}}},
        {"{2:ボ"_sj, {{"{2:ボ"_sj, 0}}},
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
    const HelpFile file = ParseHelpFile(CrLf({"@topic x 題"_sj, "本文"_sj, "@topic 5", "五"_sj}));
    ASSERT_EQ(file.topics.size(), 1u);
    EXPECT_EQ(file.topics[0].number, 5);
    EXPECT_EQ(file.topics[0].title, "");
    EXPECT_EQ(file.topics[0].paragraphs[0], (HelpParagraph{{"五"_sj, 0}}));
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
