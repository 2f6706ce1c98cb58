#include "banzuke/chart_drawing.h"

#include <QRect>

#include "banzuke/procedures.h"
#include "shell/picture_copy.h"
#include "shell/pixel_view.h"
#include "state/game_state.h"
#include "state/strings.h"
#include "state/text_file.h"

namespace kelmar {

namespace {

const QSize kChartSize(430, 330);
constexpr int kHalf = 16;            // slots in each half of the chart
constexpr int kRightHalfLeft = 216;  // x0 of slots 17 to 32
constexpr int kRowPitch = 18, kRowHeight = 17;
constexpr int kRedFrom = 8;  // wins drawn red from here on
constexpr QRgb kRed = 0xFF0000, kBlue = 0x0000FF;

// The cells of the sheet's strip at y 222 and its grid of name plates.
constexpr int kStripTop = 222;

QRect StripCell(int left, int width) {
    return QRect(left, kStripTop, width, kRowHeight);
}
QRect RankCell(int code) {
    return StripCell(32 * (code - 1) + 4, 31);
}
QRect DigitCell(int d) {
    return StripCell(16 * d + 164, 15);
}
QRect SeparatorCell() {
    return StripCell(420, 15);
}
QRect StarCell() {
    return StripCell(436, 15);
}
QRect PlateCell(int n) {
    return QRect(48 * ((n - 1) % 10) + 2, 18 * ((n - 1) / 10) + 250, 47, kRowHeight);
}

struct Row {
    int x0;
    int y;
    QRect At(int left, int right) const { return Span(x0 + left, y, x0 + right, y + kRowHeight); }
};

Row RowOf(int slot) {
    return slot <= kHalf ? Row{0, kRowPitch * slot}
                         : Row{kRightHalfLeft, kRowPitch * (slot - kHalf)};
}

void DrawRow(QImage& chart, const QImage& sheet, const GameState& state, int slot) {
    const Row row = RowOf(slot);
    const ChartRow cells = ChartRowOf(state, slot);
    // The rest of the row is bounded by the rules; the plates by the sheet read.
    if (!sheet.rect().contains(PlateCell(cells.portrait)))
        throw NoPortraitCell(cells.portrait);
    CopyRect(chart, row.At(0, 31), sheet, RankCell(cells.rank));
    if (cells.wins >= kRedFrom)
        CopyRectHighlight(chart, row.At(100, 115), sheet, DigitCell(cells.wins), kRed);
    else
        CopyRect(chart, row.At(100, 115), sheet, DigitCell(cells.wins));
    CopyRect(chart, row.At(116, 131), sheet, SeparatorCell());
    CopyRect(chart, row.At(132, 147), sheet, DigitCell(cells.losses));
    for (int j = 1; j <= cells.stars; ++j)
        CopyRect(chart, row.At(140 + 12 * j, 151 + 12 * j), sheet, StarCell());
    if (cells.player)
        CopyRectHighlight(chart, row.At(40, 93), sheet, PlateCell(cells.portrait), kBlue);
    else
        CopyRect(chart, row.At(40, 93), sheet, PlateCell(cells.portrait));
}

}  // namespace

void DrawChart(const GameState& state, QImage& target) {
    const QImage sheet = LoadPicture(GameFolderPath("力士.bmp"));
    QImage chart = WhiteSurface(kChartSize);
    for (int slot = 1; slot <= kSlots; ++slot) DrawRow(chart, sheet, state, slot);
    DrawPicture(target, QPoint(0, 0), chart);
}

QString ChartColumnTitles() {
    return QStringLiteral("番付 四股名  勝敗  経験値  番付 四股名  勝敗  経験値");
}

}  // namespace kelmar
