#include "canvas/scoreboard.h"

#include "canvas/bitmap.h"
#include "state/encoding.h"
#include "state/shift_jis_literal.h"

namespace kelmar::canvas {

namespace {

// The card stacks a figure's three tiles again, each squeezed to 18 x 18.
constexpr int kShown = 18;
constexpr int kWestDrop = 72;        // the west figure stands this far below the east
constexpr int kLastFigureLeft = 30;  // bout 16's figures; bout 1's stand at 390

// Where a bout's column stands, and its three picture places.
constexpr int kLastColumnLeft = 410, kColumnWidth = 24;
constexpr int kEastLampTop = 0, kTechniqueTop = 70, kWestLampTop = 142;

void DrawFigure(View working, ConstView sheet, int portrait, int bout, int top) {
    const int left = kLastFigureLeft + kColumnWidth * (kBoutsADay - bout);
    for (int j = 1; j <= sheet::kTiles; ++j)
        CopyRect(working, Rect(left, kShown * j + top, kShown, kShown), sheet,
                 sheet::PortraitTile(portrait, j));
}

int ColumnLeft(int bout) {
    return kLastColumnLeft - kColumnWidth * bout;
}

}  // namespace

Picture BoutCard(const DayCard& card, ConstView sheet) {
    Picture working(kCardWidth, kCardHeight);
    for (int i = 1; i <= kBoutsADay; ++i) {
        const CardPair& pair = card.pairs[static_cast<size_t>(i - 1)];
        DrawFigure(working, sheet, pair.eastPortrait, i, 0);
        DrawFigure(working, sheet, pair.westPortrait, i, kWestDrop);
    }
    return working;
}

void DrawBoutCard(const DayCard& card, View board) {
    const Picture sheet = ReadGamePicture(ShiftJisToUtf8(sj<"力士.bmp">));
    DrawPicture(board, 0, 0, BoutCard(card, sheet));
}

void ClearBoard(View board) {
    DrawPicture(board, 0, 0, Picture(kCardWidth, kCardHeight));
}

DayPictures DayPictures::Load() {
    DayPictures pictures;
    pictures.on_ = ReadGamePicture("On.bmp");
    pictures.off_ = ReadGamePicture("Off.bmp");
    pictures.oshi_ = ReadGamePicture("oshi.bmp");
    pictures.hiki_ = ReadGamePicture("hiki.bmp");
    pictures.nage_ = ReadGamePicture("nage.bmp");
    return pictures;
}

void DayPictures::LightLamps(View board, int bout) const {
    DrawPicture(board, ColumnLeft(bout), kEastLampTop, on_);
    DrawPicture(board, ColumnLeft(bout), kWestLampTop, on_);
}

void DayPictures::DrawTechnique(View board, int bout, int tactic) const {
    const Picture* byTactic[] = {&oshi_, &hiki_, &nage_};
    if (tactic < 1 || tactic > 3)
        return;
    DrawPicture(board, ColumnLeft(bout), kTechniqueTop, *byTactic[tactic - 1]);
}

void DayPictures::PutOutLamp(View board, int bout, Side loser) const {
    const int top = loser == Side::East ? kEastLampTop : kWestLampTop;
    DrawPicture(board, ColumnLeft(bout), top, off_);
}

Picture FilmFrame(char letter) {
    return ReadGamePicture(std::string(1, letter) + ".bmp");
}

}  // namespace kelmar::canvas
