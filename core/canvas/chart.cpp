#include "canvas/chart.h"

#include "canvas/bitmap.h"

namespace kelmar::canvas {

namespace {

constexpr int kHalf = 16;            // slots in each half of the chart
constexpr int kRightHalfLeft = 216;  // x0 of slots 17 to 32
constexpr int kRowPitch = 18, kRowHeight = 17;
constexpr int kRedFrom = 8;  // wins drawn red from here on
constexpr Pixel kRed = 0xFF0000, kBlue = 0x0000FF;

struct Row {
    int x0;
    int y;
    Rect At(int left, int right) const { return Span(x0 + left, y, x0 + right, y + kRowHeight); }
};

Row RowOf(int slot) {
    return slot <= kHalf ? Row{0, kRowPitch * slot}
                         : Row{kRightHalfLeft, kRowPitch * (slot - kHalf)};
}

void DrawRow(View chart, ConstView sheet, const ChartRow& cells, int slot) {
    const Row row = RowOf(slot);
    CopyRect(chart, row.At(0, 31), sheet, sheet::RankCell(cells.rank));
    const Rect wins = sheet::DigitCell(cells.wins);
    if (cells.wins >= kRedFrom)
        CopyRectHighlight(chart, row.At(100, 115), sheet, wins, kRed);
    else
        CopyRect(chart, row.At(100, 115), sheet, wins);
    CopyRect(chart, row.At(116, 131), sheet, sheet::SeparatorCell());
    CopyRect(chart, row.At(132, 147), sheet, sheet::DigitCell(cells.losses));
    for (int j = 1; j <= cells.stars; ++j)
        CopyRect(chart, row.At(140 + 12 * j, 151 + 12 * j), sheet, sheet::StarCell());
    const Rect plate = sheet::PlateCell(cells.portrait);
    if (cells.player)
        CopyRectHighlight(chart, row.At(kShownPlateLeft, kShownPlateRight), sheet, plate, kBlue);
    else
        CopyRect(chart, row.At(kShownPlateLeft, kShownPlateRight), sheet, plate);
}

}  // namespace

Picture Chart(const ChartRows& rows, ConstView sheet) {
    Picture chart(kChartWidth, kChartHeight);
    for (int slot = 1; slot <= kSlots; ++slot)
        DrawRow(chart, sheet, rows[static_cast<size_t>(slot - 1)], slot);
    return chart;
}

void DrawChart(const ChartRows& rows, View target, std::string_view sheetFile) {
    const Picture sheet = ReadGamePicture(sheetFile);
    DrawPicture(target, 0, 0, Chart(rows, sheet));
}

}  // namespace kelmar::canvas
