#include "state/strings.h"

#include <cfenv>
#include <cmath>
#include <limits>

#include "state/errors.h"
#include "state/shift_jis_literal.h"

namespace kelmar {

std::string Copy(std::string_view s, int64_t start, int64_t count) {
    return std::string(CopyView(s, start, count));
}

std::string DisplayName(std::string_view shikona) {
    return std::string(DisplayNameView(shikona));
}

bool TryPortraitNumber(std::string_view shikona, int32_t& value) {
    return TryStrToInt(PortraitDigits(shikona), value);
}

void ThrowNoPortraitCell(int32_t portrait) {
    throw NoPortraitCell(portrait);
}

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

bool TryStrToInt(std::string_view text, int32_t& value) {
    if (TryShortDecimal(text, value))
        return true;
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i < text.size() && text[i] == '$') {
        ++i;
        if (i == text.size())
            return false;
        uint64_t v = 0;
        for (; i < text.size(); ++i) {
            const int d = HexDigit(text[i]);
            if (d < 0)
                return false;
            v = v * 16 + static_cast<uint64_t>(d);
            if (v > 0xFFFFFFFFu)
                return false;
        }
        // Hexadecimal text names the 32 bits themselves: $FFFFFFFF is -1.
        const auto bits = static_cast<uint32_t>(negative ? 0u - static_cast<uint32_t>(v) : v);
        value = static_cast<int32_t>(bits);
        return true;
    }
    if (i == text.size())
        return false;
    int64_t v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        v = v * 10 + (text[i] - '0');
        if (v > int64_t{1} << 31)
            return false;
    }
    if (negative)
        v = -v;
    if (v > std::numeric_limits<int32_t>::max())
        return false;
    value = static_cast<int32_t>(v);
    return true;
}

int32_t StrToIntInFull(std::string_view text) {
    int32_t value = 0;
    if (!TryStrToInt(text, value))
        throw ConversionError(std::string(text));
    return value;
}

std::string IntToStr(int64_t value) {
    return std::to_string(value);
}

int32_t RoundHalfEven(double value) {
    if (!std::isfinite(value))
        throw RangeError(wd<"数値が不正です">);
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(value);
    std::fesetround(saved);
    if (r < std::numeric_limits<int32_t>::min() || r > std::numeric_limits<int32_t>::max())
        throw RangeError(
            MessageWords{wd<"数値 {value} は大きすぎます">,
                         {{"value", std::to_string(static_cast<long long>(r)), {}, {}}}});
    return static_cast<int32_t>(r);
}

}  // namespace kelmar
