// The game's pictures with words drawn in them, as a face in a language reads
// them from the game folder: the picture sheet, whose chart strip has the
// rank words and whose name plates have the shikona, and the title picture.
// Japanese reads the game's own files, byte for byte as ever. Every other
// language reads the English ones, whose words are Latin letters: the
// readings of romaji.txt and the rank letters of English banzuke. The day
// card's figures are the same on both sheets, and the rules check the
// values they refuse against the geometry of state/picture_sheet.h, which
// both sheets share.
#pragma once

#include <string>

#include "lang/language.h"

namespace kelmar {

// The English files have plain ASCII names: the same bytes in UTF-8 and
// Shift-JIS, in a page's address and in an archive, with nothing to convert.
inline constexpr const char* kEnglishSheetFile = "rikishi-en.bmp";
inline constexpr const char* kEnglishTitleFile = "title-en.bmp";

// The file names, UTF-8: 力士.bmp or rikishi-en.bmp; title.bmp or title-en.bmp.
std::string SheetFileIn(Language language);
std::string TitlePictureIn(Language language);

}  // namespace kelmar
