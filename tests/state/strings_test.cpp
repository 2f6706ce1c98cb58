#include "state/strings.h"

#include <gtest/gtest.h>

#include "state/errors.h"
#include "state/random.h"
#include "state/shift_jis_literal.h"

namespace kelmar {
namespace {

TEST(Copy, ClampsToTheString) {
    struct Case {
        const char* s;
        int64_t start, count;
        const char* expected;
    } cases[] = {
        {"abcdef", 2, 3, "bcd"}, {"abcdef", 0, 2, "ab"}, {"abcdef", -5, 2, "ab"},
        {"abcdef", 6, 9, "f"},   {"abcdef", 7, 1, ""},   {"abcdef", 1, -1, ""},
        {"abcdef", 3, 0, ""},    {"", 1, 1, ""},         {"abc", 1, INT64_MAX, "abc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Copy(c.s, c.start, c.count), c.expected)
            << c.s << " " << c.start << " " << c.count;
}

TEST(Shikona, DisplayNameAndPortraitCountBytes) {
    EXPECT_EQ(DisplayName(sj<"若鷹07">), sj<"若鷹">);
    EXPECT_EQ(PortraitNumber(sj<"若鷹07">), 7);
    EXPECT_EQ(DisplayName("x07"), "x");  // three bytes give a one-byte display name
    EXPECT_EQ(DisplayName("07"), "");
    EXPECT_EQ(DisplayName(""), "");
    EXPECT_EQ(PortraitNumber("x 9"), 9);  // a space instead of a leading zero
    EXPECT_THROW(PortraitNumber(sj<"若鷹">), ConversionError);
    EXPECT_THROW(PortraitNumber(""), ConversionError);
}

TEST(StrToInt, AcceptsSpacesSignDigitsAndDollarHex) {
    struct Case {
        const char* text;
        int32_t value;
    } good[] = {
        {"0", 0},
        {"07", 7},
        {" 5", 5},
        {"   12", 12},
        {"+3", 3},
        {"-3", -3},
        {"$1F", 31},
        {"$ff", 255},
        {"-$10", -16},
        {"$FFFFFFFF", -1},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
    };
    for (const auto& c : good) EXPECT_EQ(StrToInt(c.text), c.value) << c.text;

    const char* bad[] = {"",       " ",   "5 ",   "1a",         "+",           "-",
                         "$",      "$G",  "0x1F", "2147483648", "-2147483649", "$100000000",
                         sj<"１">, "+-1", " - 1"};
    for (const char* text : bad) {
        try {
            StrToInt(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.what(), "'" + std::string(text) + sj<"' は整数ではありません">);
        }
    }
}

TEST(IntToStr, HasNoLeadingZerosAndAMinus) {
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(2020), "2020");
    EXPECT_EQ(IntToStr(-3), "-3");
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(62.5), 62);
    EXPECT_EQ(RoundHalfEven(63.5), 64);
    EXPECT_EQ(RoundHalfEven(187.5), 188);
    EXPECT_EQ(RoundHalfEven(266.666), 267);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(0.49), 0);
    EXPECT_THROW(RoundHalfEven(0.0 / 0.0), RangeError);
    EXPECT_THROW(RoundHalfEven(3e9), RangeError);
}

TEST(Random, IsTheLinearCongruentialGenerator) {
    Random rng;
    EXPECT_EQ(rng.state, 0u);
    // First step from 0: state 1, and 1 * 9 >> 32 is 0.
    EXPECT_EQ(rng.Draw(9), 0);
    EXPECT_EQ(rng.state, 1u);
    EXPECT_EQ(rng.Draw(9), static_cast<int32_t>((uint64_t{134775814} * 9) >> 32));
    EXPECT_EQ(rng.state, 134775814u);

    rng.state = 0xFFFFFFFFu;
    const uint32_t next = 0xFFFFFFFFu * 134775813u + 1u;
    EXPECT_EQ(rng.Draw(1000), static_cast<int32_t>((uint64_t{next} * 1000) >> 32));
    EXPECT_EQ(rng.state, next);

    for (int i = 0; i < 1000; ++i) {
        const int32_t v = rng.Draw(6);
        EXPECT_GE(v, 0);
        EXPECT_LT(v, 6);
    }
    EXPECT_EQ(rng.Draw(0), 0);
}

TEST(Random, ReseedsFromTheMillisecondOfTheDay) {
    struct FixedClock : Clock {
        int32_t MillisecondOfDay() override { return ((13 * 60 + 5) * 60 + 7) * 1000 + 250; }
    } clock;
    Random rng;
    rng.Draw(5);
    rng.Reseed(clock);
    EXPECT_EQ(rng.state, 47107250u);

    SystemClock system;
    const int32_t now = system.MillisecondOfDay();
    EXPECT_GE(now, 0);
    EXPECT_LT(now, 86400000);
}

TEST(InOutError, TextsByCodeAndErrno) {
    EXPECT_STREQ(InOutError(2).what(), sj<"ﾌｧｲﾙが見つかりません">);
    EXPECT_STREQ(InOutError(3).what(), sj<"不正なﾌｧｲﾙ名です">);
    EXPECT_STREQ(InOutError(4).what(), sj<"ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます">);
    EXPECT_STREQ(InOutError(5).what(), sj<"ﾌｧｲﾙへのｱｸｾｽが拒否されました">);
    EXPECT_STREQ(InOutError(100).what(), sj<"ﾌｧｲﾙの末尾以降を読み込みました">);
    EXPECT_STREQ(InOutError(101).what(), sj<"ﾃﾞｨｽｸがいっぱいです">);
    EXPECT_STREQ(InOutError(106).what(), sj<"入力値が数値ではありません">);
    EXPECT_STREQ(InOutError(32).what(), sj<"I/O ｴﾗｰ (32)">);

    EXPECT_EQ(InOutError::CodeForErrno(ENOENT), 2);
    EXPECT_EQ(InOutError::CodeForErrno(ENAMETOOLONG), 3);
    EXPECT_EQ(InOutError::CodeForErrno(EMFILE), 4);
    EXPECT_EQ(InOutError::CodeForErrno(EACCES), 5);
    EXPECT_EQ(InOutError::CodeForErrno(EROFS), 5);
    EXPECT_EQ(InOutError::CodeForErrno(ENOSPC), 101);
    EXPECT_EQ(InOutError::CodeForErrno(EIO), 1117);  // not 5: that would read as access denied
}

TEST(GameErrors, CarryTheGameTexts) {
    EXPECT_STREQ(PictureError("/g/On.bmp").what(), sj<"ﾌｧｲﾙ /g/On.bmp は開けません">);
    EXPECT_STREQ(IniWriteError("/g/Kelmar.ini").what(), sj<"/g/Kelmar.ini に書き込めません">);
    // The texts are Shift-JIS bytes: 番付表 is 94 D4 95 74 95 5C.
    EXPECT_EQ(std::string(sj<"番付表">), "\x94\xD4\x95\x74\x95\x5C");
}

}  // namespace
}  // namespace kelmar
