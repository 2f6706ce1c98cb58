#include "desktop/chart_drawing.h"

#include <QRect>

#include "desktop/picture_copy.h"
#include "desktop/pixel_view.h"
#include "state/picture_sheet.h"
#include "state/text_file.h"

namespace kelmar {

namespace {

const QSize kChartSize(430, 330);
constexpr int kHalf = 16;            // slots in each half of the chart
constexpr int kRightHalfLeft = 216;  // x0 of slots 17 to 32
constexpr int kRowPitch = 18, kRowHeight = 17;
constexpr int kRedFrom = 8;  // wins drawn red from here on
constexpr QRgb kRed = 0xFF0000, kBlue = 0x0000FF;

QRect Rect(const sheet::Cell& cell) {
    return QRect(cell.left, cell.top, cell.width, cell.height);
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

void DrawRow(QImage& chart, const QImage& sheet, const ChartRow& cells, int slot) {
    const Row row = RowOf(slot);
    CopyRect(chart, row.At(0, 31), sheet, Rect(sheet::RankCell(cells.rank)));
    const QRect wins = Rect(sheet::DigitCell(cells.wins));
    if (cells.wins >= kRedFrom)
        CopyRectHighlight(chart, row.At(100, 115), sheet, wins, kRed);
    else
        CopyRect(chart, row.At(100, 115), sheet, wins);
    CopyRect(chart, row.At(116, 131), sheet, Rect(sheet::SeparatorCell()));
    CopyRect(chart, row.At(132, 147), sheet, Rect(sheet::DigitCell(cells.losses)));
    for (int j = 1; j <= cells.stars; ++j)
        CopyRect(chart, row.At(140 + 12 * j, 151 + 12 * j), sheet, Rect(sheet::StarCell()));
    const QRect plate = Rect(sheet::PlateCell(cells.portrait));
    if (cells.player)
        CopyRectHighlight(chart, row.At(40, 93), sheet, plate, kBlue);
    else
        CopyRect(chart, row.At(40, 93), sheet, plate);
}

}  // namespace

void DrawChart(const ChartRows& rows, QImage& target) {
    const QImage sheet = LoadPicture(GameFolderPath("力士.bmp"));
    QImage chart = WhiteSurface(kChartSize);
    for (int slot = 1; slot <= kSlots; ++slot)
        DrawRow(chart, sheet, rows[static_cast<size_t>(slot - 1)], slot);
    DrawPicture(target, QPoint(0, 0), chart);
}

QString ChartColumnTitles() {
    return QStringLiteral("番付 四股名  勝敗  経験値  番付 四股名  勝敗  経験値");
}

}  // namespace kelmar
