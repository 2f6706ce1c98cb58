// Shift-JIS byte strings and the number texts of the game. Every length and
// position counts bytes (a kanji counts 2); positions are 1-based.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kelmar {

// The bytes from position `start` on, at most `count` of them. A start below 1
// counts as 1; a start beyond the end or a negative count gives "".
std::string Copy(std::string_view s, int64_t start, int64_t count);
// The same bytes as a view into `s`, for reading them without a copy.
inline std::string_view CopyView(std::string_view s, int64_t start, int64_t count) {
    const auto length = static_cast<int64_t>(s.size());
    if (start < 1)
        start = 1;
    if (count < 0 || start > length)
        return {};
    const int64_t available = length - start + 1;
    return s.substr(static_cast<size_t>(start - 1),
                    static_cast<size_t>(count < available ? count : available));
}

// A stored shikona without its last two bytes, the portrait digits.
std::string DisplayName(std::string_view shikona);
// The same as a view into the shikona.
inline std::string_view DisplayNameView(std::string_view shikona) {
    return shikona.substr(0, shikona.size() < 2 ? 0 : shikona.size() - 2);
}

// The last two bytes of a stored shikona, which number its portrait.
// (A shikona shorter than two bytes is all digits.)
inline std::string_view PortraitDigits(std::string_view shikona) {
    if (shikona.size() < 2)
        return shikona;
    return std::string_view(shikona.data() + shikona.size() - 2, 2);
}
// The integer value of those bytes. (Read for every bout: defined below,
// inline, after StrToInt.)
inline int32_t PortraitNumber(std::string_view shikona);
// The same, false when those bytes are not a number.
bool TryPortraitNumber(std::string_view shikona, int32_t& value);
// The portrait number as the pictures use it: one below 1, before the sheet's
// first cell, is refused with NoPortraitCell. The windows check the upper end
// against the sheet they have read.
inline int32_t SheetPortraitNumber(std::string_view shikona);
// Raises the NoPortraitCell error of a portrait number.
[[noreturn]] void ThrowNoPortraitCell(int32_t portrait);

// The same rules, but reports failure by returning false instead of raising.
bool TryStrToInt(std::string_view text, int32_t& value);

// The texts the rules read most, rank codes and slots: one or two decimal
// digits, read at once; false for any other text.
inline bool TryShortDecimal(std::string_view text, int32_t& value) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (text.size() == 1 && digit(text[0])) {
        value = text[0] - '0';
        return true;
    }
    if (text.size() == 2 && digit(text[0]) && digit(text[1])) {
        value = 10 * (text[0] - '0') + (text[1] - '0');
        return true;
    }
    return false;
}

// StrToInt for a text that is not a short decimal.
int32_t StrToIntInFull(std::string_view text);

// The strict conversion: optional leading spaces, an optional sign, then
// decimal digits to the end, or "$" and hexadecimal digits. Anything else, the
// empty text and a value outside 32 bits included, raises ConversionError.
inline int32_t StrToInt(std::string_view text) {
    int32_t value = 0;
    return TryShortDecimal(text, value) ? value : StrToIntInFull(text);
}

// Decimal text: no leading zeros or spaces, "-" before a negative number.
std::string IntToStr(int64_t value);

// Nearest integer, halves to the even neighbour (62.5 -> 62, 63.5 -> 64).
// A value that is not finite or does not fit in 32 bits raises RangeError.
int32_t RoundHalfEven(double value);

inline int32_t PortraitNumber(std::string_view shikona) {
    return StrToInt(PortraitDigits(shikona));
}

inline int32_t SheetPortraitNumber(std::string_view shikona) {
    const int32_t portrait = PortraitNumber(shikona);
    if (portrait < 1) [[unlikely]]
        ThrowNoPortraitCell(portrait);
    return portrait;
}

}  // namespace kelmar
