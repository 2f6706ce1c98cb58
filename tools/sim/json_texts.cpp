#include "tools/sim/json_texts.h"

#include "state/encoding.h"

namespace kelmar::sim {

namespace {

// Printable ASCII is the same in Shift-JIS and UTF-8, and only two of its
// characters need an escape.
bool PlainAscii(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte > 0x7E || c == '"' || c == '\\')
            return false;
    }
    return true;
}

// The page's lines end in "\n\r"; neither byte is ever the second byte of a
// Shift-JIS character, so a line ends where they stand.
constexpr std::string_view kPageLineEnd = "\n\r";

}  // namespace

void AppendJsonEscaped(std::string_view utf8, std::string& out) {
    static constexpr char kHex[] = "0123456789abcdef";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                if (byte < 0x20) {
                    out += "\\u00";
                    out += kHex[byte >> 4];
                    out += kHex[byte & 0xF];
                } else {
                    out += c;
                }
        }
    }
}

std::string_view JsonTexts::Escaped(std::string_view sjis) {
    if (PlainAscii(sjis))
        return sjis;
    auto found = escaped_.find(sjis);
    if (found == escaped_.end()) {
        if (escaped_.size() >= kMaxTexts)
            escaped_.clear();
        std::string text;
        // The conversion yields valid UTF-8 only, U+FFFD for what is not
        // Shift-JIS, so escaping is all that is left to do.
        AppendJsonEscaped(ShiftJisToUtf8(sjis), text);
        found = escaped_.emplace(std::string(sjis), std::move(text)).first;
    }
    return found->second;
}

void JsonTexts::Append(std::string_view sjis, std::string& out) {
    out += '"';
    out += Escaped(sjis);
    out += '"';
}

void JsonTexts::AppendPage(std::string_view sjis, std::string& out) {
    out += '"';
    while (!sjis.empty()) {
        const size_t end = sjis.find(kPageLineEnd);
        const size_t length = end == std::string_view::npos ? sjis.size() : end + 2;
        out += Escaped(sjis.substr(0, length));
        sjis.remove_prefix(length);
    }
    out += '"';
}

}  // namespace kelmar::sim
