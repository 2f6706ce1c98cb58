// The career card (力士カード): a picture of one career to keep or share,
// laid out here once for every face. The layout is plain data: the card's
// size and colours, the texts with their places and sizes (the faces draw
// them in their own fonts, so the cards may differ a little), the rectangle
// where the title picture goes, and the small trajectory's points.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lang/language.h"
#include "record/career_cover.h"

namespace kelmar {

struct CardRect {
    int left = 0, top = 0, width = 0, height = 0;
};

// One text at its baseline's left end; its colour as 0xRRGGBB.
struct CardText {
    std::string text;  // Shift-JIS from ComposeCard, UTF-8 from CardIn
    int x = 0, y = 0;
    int size = 12;  // pixels
    bool bold = false;
    uint32_t colour = 0x2a1a10;
};

// One basho in the small trajectory: its point, the colour of its rank, a
// star when he was the champion.
struct CardPoint {
    int x = 0, y = 0;
    uint32_t colour = 0;
    bool champion = false;
};

struct CareerCard {
    int width = 640, height = 360;
    uint32_t paper = 0xf8f3e6, border = 0x8e2424, line = 0x999999, star = 0xe0b010;
    int borderWidth = 4;
    CardRect title;       // the game's title picture, scaled into it
    CardRect trajectory;  // the frame of the small trajectory
    std::vector<CardText> texts;
    std::vector<CardPoint> points;
};

// The colour of each rank's points, 横綱 to 前頭, as 0xRRGGBB.
inline constexpr uint32_t kRankColours[5] = {0x8e2424, 0xc86a1e, 0x3b7d3b, 0x2f6da8, 0x6b6b6b};

// The card of a career with at least one basho: its cover and its basho.
CareerCard ComposeCard(const CareerCover& cover, const std::vector<BashoRow>& basho);
// The same card with its texts in `language` (UTF-8), as the faces draw it;
// where the feats' names are too long for their columns, they are laid out
// two to a line below their label.
CareerCard CardIn(Language language, const CareerCover& cover, const std::vector<BashoRow>& basho);

}  // namespace kelmar
