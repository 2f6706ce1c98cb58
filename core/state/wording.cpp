#include "state/wording.h"

#include <algorithm>

namespace kelmar {
namespace {

bool IsShiftJisLead(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

bool IsNameCharacter(char c, bool first) {
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    return letter || (!first && ((c >= '0' && c <= '9') || c == '_'));
}

// The length of the placeholder "{name}" at `at`, or 0 when there is none.
size_t PlaceholderAt(std::string_view text, size_t at) {
    if (text[at] != '{')
        return 0;
    size_t end = at + 1;
    while (end < text.size() && IsNameCharacter(text[end], end == at + 1)) ++end;
    return end > at + 1 && end < text.size() && text[end] == '}' ? end + 1 - at : 0;
}

void AppendFilled(std::string& out, std::string_view text, std::span<const TextPiece> pieces,
                  bool shiftJis) {
    for (size_t i = 0; i < text.size();) {
        const size_t length = PlaceholderAt(text, i);
        if (length == 0) {
            const size_t step =
                shiftJis && IsShiftJisLead(static_cast<unsigned char>(text[i])) ? 2 : 1;
            out.append(text.substr(i, step));
            i += step;
            continue;
        }
        const std::string_view name = text.substr(i + 1, length - 2);
        const auto piece = std::find_if(pieces.begin(), pieces.end(),
                                        [name](const TextPiece& p) { return p.name == name; });
        out.append(piece != pieces.end() ? piece->text : text.substr(i, length));
        i += length;
    }
}

}  // namespace

void AppendFilledShiftJis(std::string& out, std::string_view wording,
                          std::span<const TextPiece> pieces) {
    AppendFilled(out, wording, pieces, true);
}

std::string Japanese(const Wording& wording, std::span<const TextPiece> pieces) {
    std::string out;
    AppendFilled(out, wording.japanese, pieces, true);
    return out;
}

std::string FilledUtf8(std::string_view text, std::span<const TextPiece> pieces) {
    std::string out;
    out.reserve(text.size());
    AppendFilled(out, text, pieces, false);
    return out;
}

std::optional<WordingFrame> FrameOf(std::string_view wording) {
    for (size_t i = 0; i < wording.size();) {
        if (const size_t length = PlaceholderAt(wording, i); length != 0)
            return WordingFrame{wording.substr(0, i), wording.substr(i + length)};
        i += IsShiftJisLead(static_cast<unsigned char>(wording[i])) ? 2 : 1;
    }
    return std::nullopt;
}

std::optional<std::string_view> PieceIn(std::string_view wording, std::string_view text) {
    const std::optional<WordingFrame> frame = FrameOf(wording);
    if (!frame)
        return std::nullopt;
    const size_t framing = frame->before.size() + frame->after.size();
    if (text.size() <= framing || !text.starts_with(frame->before) || !text.ends_with(frame->after))
        return std::nullopt;
    // The piece ends where a character begins: no second byte of a kanji is
    // taken for the first of the frame's end.
    const size_t end = text.size() - frame->after.size();
    size_t i = frame->before.size();
    while (i < end) i += IsShiftJisLead(static_cast<unsigned char>(text[i])) ? 2 : 1;
    if (i != end)
        return std::nullopt;
    return text.substr(frame->before.size(), end - frame->before.size());
}

}  // namespace kelmar
