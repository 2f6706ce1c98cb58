#include "state/encoding.h"

#include <cstdint>

#include "generated/cp932_tables.h"
#include "state/shift_jis_literal.h"

namespace kelmar {

namespace {

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | cp >> 6);
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        // CP932 holds characters of the BMP only.
        out += static_cast<char>(0xE0 | cp >> 12);
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

constexpr char32_t kReplacement = 0xFFFD;

// The code point of the well-formed UTF-8 sequence of `length` bytes at
// `text`, or nothing (-1) when it is not one: a bad continuation, an overlong
// form, a surrogate or a value beyond U+10FFFF.
int32_t DecodeUtf8(const unsigned char* text, size_t length) {
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    char32_t cp = length == 1 ? text[0] : text[0] & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        if ((text[i] & 0xC0) != 0x80)
            return -1;
        cp = cp << 6 | (text[i] & 0x3F);
    }
    if (cp < kSmallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return -1;
    return static_cast<int32_t>(cp);
}

size_t Utf8SequenceLength(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

}  // namespace

std::string ShiftJisToUtf8(std::string_view sjis) {
    std::string out;
    out.reserve(sjis.size() * 3 / 2);
    const auto* bytes = reinterpret_cast<const unsigned char*>(sjis.data());
    const size_t size = sjis.size();
    for (size_t i = 0; i < size;) {
        const unsigned char b = bytes[i];
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        char32_t cp = cp932::kSingle[b];
        size_t used = 1;
        if (cp == cp932::kNone && b >= cp932::kFirstLead && b <= cp932::kLastLead && i + 1 < size) {
            cp = cp932::kPairs[b - cp932::kFirstLead][bytes[i + 1]];
            used = 2;
        }
        if (cp == cp932::kNone) {
            // Not CP932: one byte is replaced, and the next one read afresh.
            cp = kReplacement;
            used = 1;
        }
        AppendUtf8(out, cp);
        i += used;
    }
    return out;
}

std::string Utf8ToShiftJis(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
    const size_t size = utf8.size();
    for (size_t i = 0; i < size;) {
        if (bytes[i] < 0x80) {
            out += static_cast<char>(bytes[i]);
            ++i;
            continue;
        }
        size_t length = Utf8SequenceLength(bytes[i]);
        const int32_t cp = length <= size - i ? DecodeUtf8(bytes + i, length) : -1;
        const int32_t code = cp < 0 ? -1 : cp932::Encode(static_cast<char32_t>(cp));
        if (code < 0) {
            // A character CP932 lacks, or a sequence that is not UTF-8: one
            // question mark for the unit.
            out += '?';
            if (length > size - i)
                length = size - i;
        } else if (code != cp932::kDropped) {
            if (code > 0xFF)
                out += static_cast<char>(code >> 8);
            out += static_cast<char>(code & 0xFF);
        }
        i += length;
    }
    return out;
}

}  // namespace kelmar
