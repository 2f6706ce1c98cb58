// The game's texts are written in the sources as UTF-8 and are Shift-JIS
// (CP932) bytes at run time: sj<"横綱"> is the two bytes of each character as
// the game's files hold them, ended by a NUL, converted by the compiler from
// the game's own CP932 table whatever the compiler's character set. A
// character that CP932 lacks stops the build. (A variable template rather than
// a literal operator: Clang 14 crashes when it prints a string literal
// operator template with a class-type parameter in a diagnostic.)
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "generated/cp932_tables.h"

namespace kelmar {

namespace cp932 {

// The CP932 bytes of a code point (one byte below 0x100, kDropped for one
// that converts to nothing), or -1 when CP932 has none.
constexpr int32_t Encode(char32_t codePoint) {
    const Encoding* end = std::end(kEncoding);
    const Encoding* found =
        std::lower_bound(std::begin(kEncoding), end, codePoint,
                         [](const Encoding& e, char32_t cp) { return e.codePoint < cp; });
    return found != end && found->codePoint == codePoint ? found->bytes : -1;
}

// A UTF-8 text read one code point at a time. Only whole, well-formed
// sequences are taken: the sources are UTF-8.
struct Utf8Reader {
    const char* text;
    size_t size;
    size_t at = 0;

    constexpr bool done() const { return at >= size; }
    constexpr char32_t Next() {
        const auto byte = [this](size_t i) { return static_cast<unsigned char>(text[i]); };
        const unsigned char lead = byte(at);
        const size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (at + length > size)
            throw "a text of the sources ends inside a UTF-8 sequence";
        char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t i = 1; i < length; ++i) cp = cp << 6 | (byte(at + i) & 0x3F);
        at += length;
        return cp;
    }
};

constexpr size_t ShiftJisSize(const char* utf8, size_t size) {
    size_t bytes = 0;
    for (Utf8Reader reader{utf8, size}; !reader.done();) {
        const int32_t code = Encode(reader.Next());
        if (code < 0)
            throw "a text of the sources holds a character that CP932 lacks";
        bytes += code == kDropped ? 0 : code > 0xFF ? 2 : 1;
    }
    return bytes;
}

template <size_t Size>
constexpr std::array<char, Size + 1> ShiftJisBytes(const char* utf8, size_t size) {
    std::array<char, Size + 1> out{};
    size_t n = 0;
    for (Utf8Reader reader{utf8, size}; !reader.done();) {
        const int32_t code = Encode(reader.Next());
        if (code == kDropped)
            continue;
        if (code > 0xFF)
            out[n++] = static_cast<char>(code >> 8);
        out[n++] = static_cast<char>(code & 0xFF);
    }
    return out;
}

}  // namespace cp932

// A string literal as a template argument.
template <size_t N>
struct Utf8Literal {
    char bytes[N]{};
    consteval Utf8Literal(const char (&text)[N]) { std::copy_n(text, N, bytes); }
};

template <Utf8Literal text>
struct ShiftJisLiteral {
    static constexpr size_t kSize = cp932::ShiftJisSize(text.bytes, sizeof text.bytes - 1);
    static constexpr std::array<char, kSize + 1> kBytes =
        cp932::ShiftJisBytes<kSize>(text.bytes, sizeof text.bytes - 1);
};

// The text's Shift-JIS bytes, ended by a NUL, in static storage.
template <Utf8Literal text>
inline constexpr const char* sj = ShiftJisLiteral<text>::kBytes.data();

}  // namespace kelmar
