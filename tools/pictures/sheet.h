// The picture sheet 力士.bmp: the portraits in their cells of 72 x 24, each one
// standing figure cut into three tiles; the strip of rank words, digits,
// separator and star; and a name plate for every portrait number. The English
// sheet has the same figures, digits, separator and star in the same cells,
// and Latin letters for the words (pictures/latin.h).
#pragma once

#include <QImage>
#include <QString>
#include <map>
#include <string>

namespace kelmar::pictures {

// The sheet for these display names, keyed by portrait number (1..60); its
// geometry is state/picture_sheet.h.
QImage DrawSheet(const std::map<int, QString>& names);

// The English sheet for these readings in romaji, keyed the same way: the
// rank letters Y, O, S, K, M, and each plate the reading of its name.
QImage DrawEnglishSheet(const std::map<int, std::string>& readings);

// The portrait of number n as the day card shows it: 18 x 54, three tiles of
// 18 x 18 one above the other.
QImage DrawPortrait(int n);

}  // namespace kelmar::pictures
