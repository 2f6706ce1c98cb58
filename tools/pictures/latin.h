// The Latin letters of the English sheet, drawn pixel by pixel as our digits
// are: a tall condensed face for a name plate that holds its reading on one
// line, a small face for the readings too long for that, on two lines, and
// the rank letters of English banzuke (Y, O, S, K, M) in the digits' bold
// strokes. Every pixel of a glyph is pure black, so that the chart's
// highlight copies recolour all of it.
#pragma once

#include <QImage>
#include <QRect>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kelmar::pictures {

// A glyph: its rows of '#' (ink) and '.' from the top row of its face.
struct LatinGlyph {
    char letter = 0;
    int width = 0;
    std::vector<std::string> rows;  // one string a row of the face, `width` wide
};

struct LatinFace {
    int height = 0;    // rows of a line: ascenders to descenders
    int baseline = 0;  // the row the letters stand on
    std::map<char, LatinGlyph> glyphs;
    // The glyph of a letter; raises std::runtime_error for one the face lacks.
    const LatinGlyph& Of(char letter) const;
};

const LatinFace& TallFace();
const LatinFace& SmallFace();

// Where the plate's lines stand: the top row of each line of the face in the
// 17-pixel plate.
inline constexpr int kTallLineTop = 4;
inline constexpr int kSmallLineTops[2] = {0, 9};

// The reading (plain ASCII letters, as romaji.txt holds them) as the plate
// shows it: one line in the tall face when it fits, else two in the small
// face, broken before the last element of the name (a common ending such as
// "yama" or "nishiki") or else at the syllable nearest the middle.
// Raises std::runtime_error when even two lines cannot hold it.
std::vector<std::string> PlateLines(std::string_view reading);

// Draws the plate of `reading` into the cell (47 x 17): every line centred
// with a free column at each side, its letters one or two pixels apart,
// placed so that the columns the chart doubles when it widens the plate fall
// between the letters' stems rather than on them.
void DrawLatinPlate(QImage& sheet, const QRect& cell, std::string_view reading);

// The rank letter of a rank code 1..5 (Y, O, S, K, M), 7 to 9 x 11 in the
// digits' strokes, centred in the cell.
void DrawRankLetter(QImage& sheet, const QRect& cell, int code);

}  // namespace kelmar::pictures
