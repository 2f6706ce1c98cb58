#include "sim/json_texts.h"

#include <algorithm>
#include <cstring>
#include <functional>

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

// Most texts are names, and short: up to sixteen bytes, their length and
// their first and last eight bytes, or four, are the whole text, and cheaper
// to mix than every byte one by one. The page's longer lines take the
// library's hash.
uint64_t HashOf(std::string_view text) {
    const char* bytes = text.data();
    const size_t length = text.size();
    if (length > 16)
        return std::hash<std::string_view>{}(text);
    uint64_t head = 0;
    uint64_t tail = 0;
    if (length >= 8) {
        std::memcpy(&head, bytes, 8);
        std::memcpy(&tail, bytes + length - 8, 8);
    } else if (length >= 4) {
        uint32_t half = 0;
        std::memcpy(&half, bytes, 4);
        head = half;
        std::memcpy(&half, bytes + length - 4, 4);
        tail = half;
    } else {
        for (size_t k = 0; k < length; ++k) head = head << 8 | static_cast<unsigned char>(bytes[k]);
    }
    const uint64_t mixed = (head ^ (tail << 1 | tail >> 63) ^ length) * 0x9E3779B97F4A7C15u;
    return mixed ^ mixed >> 32;
}

// Enough for a league's names and a few newspapers.
constexpr size_t kFirstCells = 1024;

// The page's lines end in "\n\r"; neither byte is ever the second byte of a
// Shift-JIS character, so a line ends where they stand.
constexpr std::string_view kPageLineEnd = "\n\r";

}  // namespace

void AppendJsonEscaped(std::string_view utf8, std::string& out) {
    static constexpr char kHex[] = "0123456789abcdef";
    // The bytes since the last escape, appended in one piece.
    size_t plain = 0;
    for (size_t k = 0; k < utf8.size(); ++k) {
        const char c = utf8[k];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && c != '"' && c != '\\')
            continue;
        out += utf8.substr(plain, k - plain);
        plain = k + 1;
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
                out += "\\u00";
                out += kHex[byte >> 4];
                out += kHex[byte & 0xF];
        }
    }
    out += utf8.substr(plain);
}

JsonTexts::Hint JsonTexts::Find(std::string_view sjis) {
    if (!cells_.empty()) {
        const size_t mask = cells_.size() - 1;
        for (size_t cell = HashOf(sjis) & mask; cells_[cell] != 0; cell = (cell + 1) & mask) {
            const Hint hint = cells_[cell] - 1;
            if (texts_[hint].sjis == sjis)
                return hint;
        }
    }
    return Add(sjis);
}

JsonTexts::Hint JsonTexts::Add(std::string_view sjis) {
    if (texts_.size() >= maxTexts_) {
        texts_.clear();
        cells_.clear();
    }
    if (2 * (texts_.size() + 1) > cells_.size())
        Rehash(std::max(kFirstCells, 2 * cells_.size()));
    std::string quoted = "\"";
    if (PlainAscii(sjis)) {
        quoted += sjis;
    } else {
        // The conversion yields valid UTF-8 only, U+FFFD for what is not
        // Shift-JIS, so escaping is all that is left to do.
        AppendJsonEscaped(ShiftJisToUtf8(sjis), quoted);
    }
    quoted += '"';
    cells_[FreeCell(sjis)] = static_cast<uint32_t>(texts_.size() + 1);
    texts_.push_back({std::string(sjis), std::move(quoted)});
    return static_cast<Hint>(texts_.size() - 1);
}

size_t JsonTexts::FreeCell(std::string_view sjis) const {
    const size_t mask = cells_.size() - 1;
    size_t cell = HashOf(sjis) & mask;
    while (cells_[cell] != 0) cell = (cell + 1) & mask;
    return cell;
}

void JsonTexts::Rehash(size_t cells) {
    cells_.assign(cells, 0);
    for (size_t k = 0; k < texts_.size(); ++k)
        cells_[FreeCell(texts_[k].sjis)] = static_cast<uint32_t>(k + 1);
}

std::string_view JsonTexts::Escaped(std::string_view sjis) {
    const std::string_view quoted = Quoted(sjis);
    return quoted.substr(1, quoted.size() - 2);
}

void JsonTexts::Append(std::string_view sjis, std::string& out) {
    out += Quoted(sjis);
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
