// The picture sheet 力士.bmp: the portraits in their cells of 72 x 24, each one
// standing figure cut into three tiles; the strip of rank words, digits,
// separator and star; and a name plate for every portrait number.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <map>

namespace kelmar::pictures {

// Wide enough for the third tile of the eighth column (x 506 + 72), tall
// enough for six rows of name plates from y 250.
inline constexpr int kSheetWidth = 578;
inline constexpr int kSheetHeight = 358;
inline constexpr int kMaxPortrait = 60;  // ten plates a row, six rows

// Tile j (1..3: head, body, legs) of portrait n, as the day card reads it.
QRect PortraitTile(int n, int j);
QRect RankCell(int code);  // 1 yokozuna .. 5 maegashira
QRect DigitCell(int d);    // 0..15
QRect SeparatorCell();
QRect StarCell();
QRect PlateCell(int n);

// The sheet for these display names, keyed by portrait number (1..60).
QImage DrawSheet(const std::map<int, QString>& names);

// The portrait of number n as the day card shows it: 18 x 54, three tiles of
// 18 x 18 one above the other.
QImage DrawPortrait(int n);

}  // namespace kelmar::pictures
