// The geometry of the picture sheet 力士.bmp, written once for the generator
// that draws it, the day card and the chart that copy from it, the rules that
// refuse a value it has no cell for, and the tests.
//
// Portraits stand in cells of 72 x 24, eight a row from the top: one figure
// cut into three tiles of 24 x 23 side by side (head, body, legs). At y 222
// runs the chart's strip (rank words, the digits 0 to 15, the separator and
// the star), and from y 250 the name plates, ten a row.
#pragma once

#include <cstdint>

namespace kelmar::sheet {

// Left and top inclusive; the cell is `width` x `height`.
struct Cell {
    int left = 0, top = 0, width = 0, height = 0;
    constexpr int right() const { return left + width; }   // exclusive
    constexpr int bottom() const { return top + height; }  // exclusive
    bool operator==(const Cell&) const = default;
};

// Wide enough for the third tile of the eighth column (x 506 + 72), tall
// enough for six rows of name plates from y 250.
inline constexpr int kWidth = 578;
inline constexpr int kHeight = 358;

inline constexpr int kCellWidth = 72, kCellHeight = 24, kCellsPerRow = 8;
inline constexpr int kTileWidth = 24, kTileHeight = 23, kTiles = 3;
inline constexpr int kStripTop = 222, kStripHeight = 17;
inline constexpr int kPlatesTop = 250, kPlateWidth = 47, kPlatePitch = 48, kPlatePitchY = 18;
inline constexpr int kPlatesPerRow = 10;
inline constexpr int kRanks = 5;    // 1 yokozuna .. 5 maegashira
inline constexpr int kDigits = 16;  // 0 .. 15

// Tile j (1..3: head, body, legs) of portrait n.
constexpr Cell PortraitTile(int64_t n, int j) {
    const int i = static_cast<int>(n - 1);
    return Cell{kCellWidth * (i % kCellsPerRow) + 2 + kTileWidth * (j - 1),
                kCellHeight * (i / kCellsPerRow) + 1, kTileWidth, kTileHeight};
}
constexpr Cell RankCell(int code) {
    return Cell{32 * (code - 1) + 4, kStripTop, 31, kStripHeight};
}
constexpr Cell DigitCell(int d) {
    return Cell{16 * d + 164, kStripTop, 15, kStripHeight};
}
constexpr Cell SeparatorCell() {
    return Cell{420, kStripTop, 15, kStripHeight};
}
constexpr Cell StarCell() {
    return Cell{436, kStripTop, 15, kStripHeight};
}
constexpr Cell PlateCell(int64_t n) {
    const int i = static_cast<int>(n - 1);
    return Cell{kPlatePitch * (i % kPlatesPerRow) + 2,
                kPlatePitchY * (i / kPlatesPerRow) + kPlatesTop, kPlateWidth, kStripHeight};
}

constexpr bool OnTheSheet(const Cell& c) {
    return c.left >= 0 && c.top >= 0 && c.right() <= kWidth && c.bottom() <= kHeight;
}

// A portrait number whose figure the day card can copy: its three tiles lie
// on the sheet above the chart's strip (1 to 72).
constexpr bool HasFigure(int64_t n) {
    return n >= 1 && n <= 1000 && OnTheSheet(PortraitTile(n, 1)) &&
           OnTheSheet(PortraitTile(n, kTiles)) && PortraitTile(n, kTiles).bottom() <= kStripTop;
}
// A portrait number whose name plate the chart can copy (1 to 60).
constexpr bool HasPlate(int64_t n) {
    return n >= 1 && n <= 1000 && OnTheSheet(PlateCell(n));
}
// The portrait numbers with both a figure and a plate: 1 to kPortraits.
inline constexpr int kPortraits = 60;
static_assert(HasPlate(kPortraits) && !HasPlate(kPortraits + 1) && HasFigure(kPortraits));
static_assert(HasFigure(72) && !HasFigure(73));

}  // namespace kelmar::sheet
