#include "desktop/bout_card_drawing.h"

#include <QRect>

#include "desktop/picture_copy.h"
#include "desktop/pixel_view.h"
#include "state/picture_sheet.h"
#include "state/text_file.h"

namespace kelmar {

namespace {

const QSize kWorkingSize(480, 200);

// The card stacks a figure's three tiles again, each squeezed to 18 x 18.
constexpr int kShown = 18;
constexpr int kWestDrop = 72;        // the west figure stands this far below the east
constexpr int kLastFigureLeft = 30;  // bout 16's figures; bout 1's stand at 390

// Where a bout's column stands, and its three picture places.
constexpr int kLastColumnLeft = 410, kColumnWidth = 24;
constexpr int kEastLampTop = 0, kTechniqueTop = 70, kWestLampTop = 142;

QRect PortraitTile(int portrait, int tile) {
    const sheet::Cell cell = sheet::PortraitTile(portrait, tile);
    return QRect(cell.left, cell.top, cell.width, cell.height);
}

void DrawFigure(QImage& working, const QImage& sheet, int portrait, int bout, int top) {
    const int left = kLastFigureLeft + kColumnWidth * (kBoutsADay - bout);
    for (int j = 1; j <= sheet::kTiles; ++j)
        CopyRect(working, QRect(left, kShown * j + top, kShown, kShown), sheet,
                 PortraitTile(portrait, j));
}

int ColumnLeft(int bout) {
    return kLastColumnLeft - kColumnWidth * bout;
}

}  // namespace

void DrawBoutCard(const DayCard& card, QImage& board) {
    const QImage sheet = LoadPicture(GameFolderPath("力士.bmp"));
    QImage working = WhiteSurface(kWorkingSize);
    for (int i = 1; i <= kBoutsADay; ++i) {
        const CardPair& pair = card.pairs[static_cast<size_t>(i - 1)];
        DrawFigure(working, sheet, pair.eastPortrait, i, 0);
        DrawFigure(working, sheet, pair.westPortrait, i, kWestDrop);
    }
    DrawPicture(board, QPoint(0, 0), working);
}

void ClearBoard(QImage& board) {
    DrawPicture(board, QPoint(0, 0), WhiteSurface(kWorkingSize));
}

DayPictures DayPictures::Load() {
    DayPictures pictures;
    pictures.on_ = LoadPicture(GameFolderPath("On.bmp"));
    pictures.off_ = LoadPicture(GameFolderPath("Off.bmp"));
    pictures.oshi_ = LoadPicture(GameFolderPath("oshi.bmp"));
    pictures.hiki_ = LoadPicture(GameFolderPath("hiki.bmp"));
    pictures.nage_ = LoadPicture(GameFolderPath("nage.bmp"));
    return pictures;
}

void DayPictures::LightLamps(QImage& board, int bout) const {
    DrawPicture(board, QPoint(ColumnLeft(bout), kEastLampTop), on_);
    DrawPicture(board, QPoint(ColumnLeft(bout), kWestLampTop), on_);
}

void DayPictures::DrawTechnique(QImage& board, int bout, int tactic) const {
    const QImage* byTactic[] = {&oshi_, &hiki_, &nage_};
    if (tactic < 1 || tactic > 3)
        return;
    DrawPicture(board, QPoint(ColumnLeft(bout), kTechniqueTop), *byTactic[tactic - 1]);
}

void DayPictures::PutOutLamp(QImage& board, int bout, Side loser) const {
    const int top = loser == Side::East ? kEastLampTop : kWestLampTop;
    DrawPicture(board, QPoint(ColumnLeft(bout), top), off_);
}

}  // namespace kelmar
