// 力士カード on the desktop: the card the core lays out (record/career_card.h)
// painted with the desktop's fonts and the game's title picture.
#pragma once

#include <QImage>

#include "record/career_card.h"

namespace kelmar {

// The card of CardIn, its texts UTF-8.
QImage DrawCareerCard(const CareerCard& card);

}  // namespace kelmar
