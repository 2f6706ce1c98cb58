// The texts the game composes for its windows, each written once in the
// sources as UTF-8 with a {placeholder} where the game puts a piece in (a
// name, a rank word, a number): wd<"得点 : {score}">. Its UTF-8 is the key
// under which the catalogues translate it (the msgid), its Shift-JIS the
// game's own text, filled in with the pieces. A context, when it has one,
// tells apart two uses of one Japanese wording that other languages word
// differently: wd<"横綱", "rank, short">.
#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "state/shift_jis_literal.h"

namespace kelmar {

struct Wording {
    std::string_view msgid;     // UTF-8
    std::string_view japanese;  // Shift-JIS
    std::string_view context;   // ASCII, empty for none
};

template <Utf8Literal text, Utf8Literal context = "">
inline constexpr Wording wd{std::string_view(text.bytes, sizeof text.bytes - 1),
                            std::string_view(sj<text>, ShiftJisLiteral<text>::kSize),
                            std::string_view(context.bytes, sizeof context.bytes - 1)};

// A piece of a composed text: the placeholder's name and its text, in the
// text's own encoding.
struct TextPiece {
    std::string_view name;
    std::string_view text;
};

// The Shift-JIS wording with each {placeholder} replaced by the piece of its
// name, appended to `out`; a placeholder without a piece stays as it is. The
// wording is read character by character, so that no second byte of a kanji
// is taken for a brace.
void AppendFilledShiftJis(std::string& out, std::string_view wording,
                          std::span<const TextPiece> pieces);
std::string Japanese(const Wording& wording, std::span<const TextPiece> pieces);
// The same for a UTF-8 text, whose bytes never stand for a brace but in one.
std::string FilledUtf8(std::string_view text, std::span<const TextPiece> pieces);

// A Shift-JIS wording with one placeholder, split around it (read character
// by character); nullopt for a wording without one.
struct WordingFrame {
    std::string_view before;
    std::string_view after;
};
std::optional<WordingFrame> FrameOf(std::string_view wording);
// The piece that a text composed from a wording of one placeholder holds,
// or nullopt when the text is not that wording filled in with a piece that
// is not empty.
std::optional<std::string_view> PieceIn(std::string_view wording, std::string_view text);

// The same with the pieces written in place.
inline void AppendFilledShiftJis(std::string& out, std::string_view wording,
                                 std::initializer_list<TextPiece> pieces) {
    AppendFilledShiftJis(out, wording, std::span(pieces.begin(), pieces.size()));
}
inline std::string Japanese(const Wording& wording, std::initializer_list<TextPiece> pieces) {
    return Japanese(wording, std::span(pieces.begin(), pieces.size()));
}
inline std::string FilledUtf8(std::string_view text, std::initializer_list<TextPiece> pieces) {
    return FilledUtf8(text, std::span(pieces.begin(), pieces.size()));
}

}  // namespace kelmar
