// The title picture of the main window's home, before a career starts
// (430 x 161): the game's name on the purple drape, and the face-off of the
// films on the clay ring beside it. In English the drape says "Kelmar" and
// "Climb the banzuke" in the same letters and place.
#pragma once

#include <QImage>

#include "lang/language.h"

namespace kelmar::pictures {

inline constexpr int kTitleWidth = 430;
inline constexpr int kTitleHeight = 161;

QImage DrawTitle(Language language);

}  // namespace kelmar::pictures
