#include "lang/pictures.h"

#include "state/encoding.h"
#include "state/shift_jis_literal.h"

namespace kelmar {

std::string SheetFileIn(Language language) {
    return language == Language::Japanese ? ShiftJisToUtf8(sj<"力士.bmp">) : kEnglishSheetFile;
}

std::string TitlePictureIn(Language language) {
    return language == Language::Japanese ? "title.bmp" : kEnglishTitleFile;
}

}  // namespace kelmar
