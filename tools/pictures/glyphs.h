// The black glyphs of the picture sheet: the names and rank words in the
// Gothic face without antialiasing, and digits of our own, so that every pixel
// of a glyph is pure black and a highlight copy can recolour all of it.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

namespace kelmar::pictures {

// The characters of `text`, each in a square of `pixelSize`, spread over the
// cell: side by side when they fill it, else evenly apart.
void DrawSpreadText(QImage& sheet, const QRect& cell, const QString& text, int pixelSize);

// 0..15 in bold digits of 7 x 11, centred in the cell.
void DrawNumber(QImage& sheet, const QRect& cell, int value);

// The dash between wins and losses.
void DrawSeparator(QImage& sheet, const QRect& cell);

// Turns every pixel of the cell into pure black or pure white.
void Binarise(QImage& sheet, const QRect& cell);

}  // namespace kelmar::pictures
