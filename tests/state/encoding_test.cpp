#include "state/encoding.h"

#include <gtest/gtest.h>

#include "state/shift_jis_literal.h"

namespace kelmar {
namespace {

TEST(Encoding, RoundTripsTheGameTexts) {
    // The game's bytes, whatever the compiler's own character set.
    EXPECT_EQ(std::string(sj<"横綱ﾌ">), "\x89\xA1\x8D\x6A\xCC");
    const std::string sjis = sj<"ﾌｧｲﾙ 番付表 ケルマー １０ 、！">;
    const std::string utf8 = ShiftJisToUtf8(sjis);
    const auto* expected = reinterpret_cast<const char*>(u8"ﾌｧｲﾙ 番付表 ケルマー １０ 、！");
    EXPECT_EQ(utf8, expected);
    EXPECT_EQ(Utf8ToShiftJis(utf8), sjis);
    EXPECT_EQ(ShiftJisToUtf8(""), "");
    EXPECT_EQ(ShiftJisToUtf8("Kelmar.ini"), "Kelmar.ini");
}

TEST(Encoding, BadBytesAreReplacedNotLost) {
    // A lead byte at the end with no trail byte, and a byte CP932 does not use.
    EXPECT_EQ(ShiftJisToUtf8("a\x81"), "a\xEF\xBF\xBD");
    EXPECT_EQ(ShiftJisToUtf8("\xFF"
                             "b"),
              "\xEF\xBF\xBD"
              "b");
    // A character Shift-JIS cannot hold (an emoji) becomes one "?".
    EXPECT_EQ(Utf8ToShiftJis("x\xF0\x9F\x98\x80y"), "x?y");
}

}  // namespace
}  // namespace kelmar
