#include "lang/catalogue.h"

#include <gtest/gtest.h>

#include "state/wording.h"

namespace kelmar {
namespace {

TEST(Catalogue, JapaneseIsTheWordingItself) {
    EXPECT_EQ(Translate(Language::Japanese, "横綱"), "横綱");
    EXPECT_EQ(TranslateIn(Language::Japanese, "rank", "横綱"), "横綱");
    EXPECT_EQ(CatalogueText(Language::Japanese, "rank", "横綱"), std::nullopt);
    EXPECT_EQ(Format(Language::Japanese, "得点 : {score}", {{"score", "12"}}), "得点 : 12");
}

TEST(Catalogue, ATextTheCatalogueLacksIsShownInJapanese) {
    EXPECT_EQ(Translate(Language::English, "この文はどの目録にもない"), "この文はどの目録にもない");
    EXPECT_EQ(Format(Language::English, "{x}はない", {{"x", "A"}}), "Aはない");
    EXPECT_EQ(CatalogueText(Language::English, "", "この文はどの目録にもない"), std::nullopt);
}

TEST(Catalogue, AContextTellsTwoUsesOfOneWordingApart) {
    EXPECT_EQ(TranslateIn(Language::English, "rank", "横綱"), "Yokozuna");
    EXPECT_EQ(TranslateIn(Language::English, "rank, short", "横綱"), "Y");
    EXPECT_EQ(Translate(Language::English, wd<"大関", "rank, short">), "O");
    EXPECT_EQ(CatalogueText(Language::English, "no such use", "横綱"), std::nullopt);
    EXPECT_EQ(TranslateIn(Language::English, "no such use", "横綱"), "横綱");
}

TEST(Catalogue, PlaceholdersAreFilledWhereverTheTranslationPutsThem) {
    EXPECT_EQ(
        Format(Language::English, wd<"{month}月場所{day}日目">, {{"month", "May"}, {"day", "3"}}),
        "May Basho, Day 3");
    EXPECT_EQ(Format(Language::English, wd<"得点 : {score}">, {{"score", "1234"}}), "Score: 1234");
}

TEST(FilledText, PiecesByNameAndTheRestAsItIs) {
    const struct {
        const char* text;
        const char* filled;
    } cases[] = {
        {"{a} and {b}", "1 and two"},
        {"{b}{a}{a}", "two11"},
        {"{c} has no piece", "{c} has no piece"},
        {"{} {1a} {a b} { a}", "{} {1a} {a b} { a}"},
        {"{a", "{a"},
        {"{{a}}", "{1}"},
        {"}{a}{", "}1{"},
        {"鶴{a}亀", "鶴1亀"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FilledUtf8(c.text, {{"a", "1"}, {"b", "two"}}), c.filled) << c.text;
}

TEST(FilledText, APieceIsNotReadForPlaceholders) {
    EXPECT_EQ(FilledUtf8("{a}{b}", {{"a", "{b}"}, {"b", "x"}}), "{b}x");
}

TEST(FilledText, ShiftJisIsReadByCharacterNotByByte) {
    // 倍 is 0x94 0x7B in Shift-JIS: its second byte is a brace.
    std::string wording = sj<"倍">;
    ASSERT_EQ(wording[1], '{');
    wording += "a}{a}";
    std::string out;
    AppendFilledShiftJis(out, wording, {{"a", "X"}});
    EXPECT_EQ(out, sj<"倍"> + std::string("a}X"));
    EXPECT_EQ(Japanese(wd<"得点 : {score}">, {{"score", "7"}}), sj<"得点 : 7">);
}

TEST(Wording, HoldsTheTextInBothEncodingsAndItsContext) {
    constexpr Wording w = wd<"{name}、横綱誕生だ！", "headline">;
    EXPECT_EQ(w.msgid, "{name}、横綱誕生だ！");
    EXPECT_EQ(w.japanese, std::string("{name}") + sj<"、横綱誕生だ！">);
    EXPECT_EQ(w.context, "headline");
    EXPECT_EQ(wd<"横綱">.context, "");
}

}  // namespace
}  // namespace kelmar
