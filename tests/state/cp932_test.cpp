// The game's own CP932 tables against the C library's converter, where the
// C library is glibc: every one-byte and two-byte sequence decoded, every
// Unicode scalar value encoded, and what is not CP932 or not UTF-8 replaced
// alike.
#include <gtest/gtest.h>

#include "state/encoding.h"
#include "state/shift_jis_literal.h"

#if defined(__GLIBC__)
#include <iconv.h>

#include <cerrno>

namespace kelmar {
namespace {

// The conversion through iconv, as the game made it before it had tables:
// a unit it refuses is replaced, and the reading goes on after it.
class IconvConversion {
  public:
    IconvConversion(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~IconvConversion() {
        if (usable())
            iconv_close(cd_);
    }
    IconvConversion(const IconvConversion&) = delete;
    IconvConversion& operator=(const IconvConversion&) = delete;
    bool usable() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    std::string Convert(std::string_view in, std::string_view replacement,
                        size_t (*skip)(unsigned char)) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char buffer[256];
        while (srcLeft > 0) {
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            const size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<size_t>(dst - buffer));
            if (r == static_cast<size_t>(-1) && errno != E2BIG) {
                out.append(replacement);
                const size_t n = std::min(skip(static_cast<unsigned char>(*src)), srcLeft);
                src += n;
                srcLeft -= n;
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        return out;
    }

  private:
    iconv_t cd_;
};

size_t OneByte(unsigned char) {
    return 1;
}

size_t Utf8Length(unsigned char lead) {
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

std::string Utf8(char32_t cp) {
    std::string s;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | cp >> 6);
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += static_cast<char>(0xE0 | cp >> 12);
        s += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | cp >> 18);
        s += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
        s += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return s;
}

TEST(Cp932Tables, DecodeEveryOneAndTwoByteSequenceAsGlibcDoes) {
    IconvConversion glibc("UTF-8", "CP932");
    ASSERT_TRUE(glibc.usable());
    int differences = 0;
    for (int first = 0; first < 256; ++first) {
        const std::string one(1, static_cast<char>(first));
        if (ShiftJisToUtf8(one) != glibc.Convert(one, "\xEF\xBF\xBD", OneByte))
            ADD_FAILURE() << "byte " << first << " decodes otherwise" << ++differences;
        for (int second = 0; second < 256 && differences < 10; ++second) {
            // Between two letters, so that a refused lead byte shows what
            // becomes of the byte after it.
            const std::string two{'a', static_cast<char>(first), static_cast<char>(second), 'z'};
            if (ShiftJisToUtf8(two) != glibc.Convert(two, "\xEF\xBF\xBD", OneByte))
                ADD_FAILURE() << "bytes " << first << " " << second << " decode otherwise"
                              << ++differences;
        }
    }
}

TEST(Cp932Tables, EncodeEveryScalarValueAsGlibcDoes) {
    IconvConversion glibc("CP932", "UTF-8");
    ASSERT_TRUE(glibc.usable());
    int differences = 0;
    int encoded = 0;
    for (char32_t cp = 0; cp <= 0x10FFFF && differences < 10; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF)
            continue;
        const std::string text = Utf8(cp);
        const std::string ours = Utf8ToShiftJis(text);
        if (ours != glibc.Convert(text, "?", Utf8Length))
            ADD_FAILURE() << "U+" << std::hex << static_cast<uint32_t>(cp) << " encodes otherwise"
                          << ++differences;
        encoded += ours != "?";
    }
    // Every character CP932 decodes to, and the ones encoded one way only.
    EXPECT_GT(encoded, 9000);
}

TEST(Cp932Tables, RefuseWhatIsNotUtf8AsGlibcDoes) {
    IconvConversion glibc("CP932", "UTF-8");
    const std::string cases[] = {
        "a\x80z",             // a continuation byte alone
        "a\xC0\xAFz",         // an overlong slash
        "a\xE3\x81z",         // a sequence cut short
        "a\xED\xA0\x80z",     // a surrogate
        "a\xF4\x90\x80\x80",  // beyond U+10FFFF
        "a\xE3",              // a lead byte at the end
        "\xE6\xA8\xAA\xE7\xB6\xB1\xF0\x9F\x98\x80!",
    };
    for (const std::string& text : cases)
        EXPECT_EQ(Utf8ToShiftJis(text), glibc.Convert(text, "?", Utf8Length)) << text;
}

}  // namespace
}  // namespace kelmar
#endif

namespace kelmar {
namespace {

// What a player on another system types: "〜", "−" and "—" where Windows has
// "～", "－" and "―" are taken as the game's own characters, not refused.
TEST(Cp932Tables, TakeTheOtherSystemsDashesAndTildes) {
    EXPECT_EQ(Utf8ToShiftJis("\xE3\x80\x9C"), sj<"～">);
    EXPECT_EQ(Utf8ToShiftJis("\xEF\xBD\x9E"), sj<"～">);
    EXPECT_EQ(Utf8ToShiftJis("\xE2\x88\x92"), sj<"－">);
    EXPECT_EQ(Utf8ToShiftJis("\xE2\x80\x94"), sj<"―">);
    EXPECT_EQ(ShiftJisToUtf8(sj<"～">), "\xEF\xBD\x9E");
}

}  // namespace
}  // namespace kelmar
