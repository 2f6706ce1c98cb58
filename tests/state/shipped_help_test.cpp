// The help file that comes with the game, read by the help viewer's own
// parser: Shift-JIS with CR LF, a start page that links to every other topic,
// and no link that leads nowhere.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "state/encoding.h"
#include "state/help_file.h"
#include "state/shift_jis_literal.h"
#include "state/text_file.h"

namespace kelmar {
namespace {

std::string HelpBytes() {
    return ReadWholeFile((std::filesystem::path(KELMAR_DATA_DIR) / "Kelmar.hlp").string());
}

std::set<int> Links(const HelpTopic& topic) {
    std::set<int> links;
    for (const auto& paragraph : topic.paragraphs)
        for (const auto& span : paragraph)
            if (span.link != 0)
                links.insert(span.link);
    return links;
}

TEST(ShippedHelp, ShiftJisTextWithCrLfLineEnds) {
    const std::string bytes = HelpBytes();
    ASSERT_FALSE(bytes.empty());
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "lone LF at " << i;
        }
        if (bytes[i] == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << i;
        }
    }
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    // Every byte sequence is Shift-JIS: the conversion replaces nothing.
    EXPECT_EQ(ShiftJisToUtf8(bytes).find("\xEF\xBF\xBD"), std::string::npos);
}

TEST(ShippedHelp, TheStartPageLinksToEveryTopicAndEveryLinkLeadsSomewhere) {
    const HelpFile help = ParseHelpFile(HelpBytes());
    const HelpTopic* start = help.Find(1);
    ASSERT_NE(start, nullptr);
    std::set<int> numbers;
    for (const HelpTopic& topic : help.topics) {
        SCOPED_TRACE(topic.number);
        EXPECT_TRUE(numbers.insert(topic.number).second) << "a context number used twice";
        EXPECT_FALSE(topic.title.empty());
        EXPECT_GE(topic.paragraphs.size(), 2u);
        for (int link : Links(topic)) EXPECT_NE(help.Find(link), nullptr) << "link to " << link;
        if (topic.number != 1) {
            EXPECT_TRUE(Links(topic).count(1)) << "no way back to the start";
        }
    }
    EXPECT_GE(help.topics.size(), 10u);
    const std::set<int> fromStart = Links(*start);
    for (int number : numbers) {
        if (number != 1) {
            EXPECT_TRUE(fromStart.count(number)) << "topic " << number;
        }
    }
}

TEST(ShippedHelp, TheTacticsTopicTellsWhichBeatsWhich) {
    const HelpFile help = ParseHelpFile(HelpBytes());
    std::string text;
    for (const HelpTopic& topic : help.topics)
        for (const auto& paragraph : topic.paragraphs)
            for (const auto& span : paragraph) text += span.text;
    for (const char* phrase : {sj<"立会い変化は突き放しに強く">, sj<"四つに組むは立会い変化に強く">,
                               sj<"突き放しは四つに組むに強い">, sj<"カド番">, sj<"練習レベル">})
        EXPECT_NE(text.find(phrase), std::string::npos) << ShiftJisToUtf8(phrase);
}

TEST(ShippedHelp, APageTellsTheKeysOfEveryDialogAndTheFilmsPace) {
    const HelpFile help = ParseHelpFile(HelpBytes());
    const HelpTopic* page = nullptr;
    for (const HelpTopic& topic : help.topics)
        if (topic.title.find(sj<"キーボード">) != std::string::npos)
            page = &topic;
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(Links(*help.Find(1)).count(page->number));
    std::string text;
    for (const auto& paragraph : page->paragraphs)
        for (const auto& span : paragraph) text += span.text;
    for (const char* phrase :
         {sj<"Enterキー">, sj<"1キーで「突き放し」">, sj<"2キーで「立会い変化」">,
          sj<"3キーで「四つに組む」">, sj<"4キーで「対戦者の情報」">, sj<"「次へ」">, sj<"Escキー">,
          sj<"「標準」">, sj<"「速い」">, sj<"「とても速い」">})
        EXPECT_NE(text.find(phrase), std::string::npos) << ShiftJisToUtf8(phrase);
}

}  // namespace
}  // namespace kelmar
