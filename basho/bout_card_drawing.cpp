#include "basho/bout_card_drawing.h"

#include <QRect>

#include "basho/procedures.h"
#include "shell/picture_copy.h"
#include "shell/pixel_view.h"
#include "state/game_state.h"
#include "state/strings.h"
#include "state/text_file.h"

namespace kelmar {

namespace {

constexpr int kBouts = 16;
const QSize kWorkingSize(480, 200);

// A figure is cut into three tiles of 24 x 23 side by side in its cell of
// 72 x 24; the card stacks them again, each squeezed to 18 x 18.
constexpr int kCellWidth = 72, kCellHeight = 24, kCellsPerRow = 8;
constexpr int kTileWidth = 24, kTileHeight = 23, kTiles = 3;
constexpr int kShown = 18;
constexpr int kFiguresBottom = 222;  // the chart's strip begins here
constexpr int kWestDrop = 72;        // the west figure stands this far below the east
constexpr int kLastFigureLeft = 30;  // bout 16's figures; bout 1's stand at 390

// Where a bout's column stands, and its three picture places.
constexpr int kLastColumnLeft = 410, kColumnWidth = 24;
constexpr int kEastLampTop = 0, kTechniqueTop = 70, kWestLampTop = 142;

QRect PortraitTile(int portrait, int tile) {
    const int col = (portrait - 1) % kCellsPerRow;
    const int row = (portrait - 1) / kCellsPerRow;
    return QRect(kCellWidth * col + 2 + kTileWidth * (tile - 1), kCellHeight * row + 1, kTileWidth,
                 kTileHeight);
}

// A figure the sheet read has no cell for is refused, naming its number,
// rather than left out of the card or cut from the chart's strip below the
// figures without a word.
void DrawFigure(QImage& working, const QImage& sheet, int portrait, int bout, int top) {
    const QRect lastTile = PortraitTile(portrait, kTiles);
    if (!sheet.rect().contains(lastTile) || lastTile.bottom() >= kFiguresBottom)
        throw NoPortraitCell(portrait);
    const int left = kLastFigureLeft + kColumnWidth * (kBouts - bout);
    for (int j = 1; j <= kTiles; ++j)
        CopyRect(working, QRect(left, kShown * j + top, kShown, kShown), sheet,
                 PortraitTile(portrait, j));
}

int ColumnLeft(int bout) {
    return kLastColumnLeft - kColumnWidth * bout;
}

}  // namespace

void DrawBoutCard(const GameState& state, QImage& board) {
    const QImage sheet = LoadPicture(GameFolderPath("力士.bmp"));
    QImage working = WhiteSurface(kWorkingSize);
    for (int i = 1; i <= kBouts; ++i) {
        const PairFigures figures = DayCardFigures(state, state.Torikumiday, i);
        DrawFigure(working, sheet, figures.east, i, 0);
        DrawFigure(working, sheet, figures.west, i, kWestDrop);
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
