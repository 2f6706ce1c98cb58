// The banzuke chart of frmStage, drawn entirely from cells of the picture
// sheet: for each of the 32 slots its rank, wins, losses, experience stars and
// name plate. Slots 1 to 16 stand in the left half, 17 to 32 in the right.
// The column titles above it are a text each frontend writes with its fonts.
#pragma once

#include <string_view>

#include "canvas/picture.h"
#include "state/frontend.h"

namespace kelmar::canvas {

// The chart's picture: white, 430 x 330, a little larger than frmStage's
// Image1 (425 x 321), which shows its top-left part.
inline constexpr int kChartWidth = 430, kChartHeight = 330;

// A row's name plate stands from x 40 up to 93 of its half: the sheet's
// plate of 47 pixels shown 53 wide.
inline constexpr int kShownPlateLeft = 40, kShownPlateRight = 93;

// The rows composed from `sheet` on a fresh white chart picture. Every value
// of the rows has its cell (the rules refused any other); a cell off a smaller
// sheet draws nothing.
Picture Chart(const ChartRows& rows, ConstView sheet);

// Reads the sheet `sheetFile` (a file name of the game folder, UTF-8: the
// game's 力士.bmp, or the sheet of another language's face) and draws Chart
// onto `target` at (0, 0) in one copy. Raises PictureError naming that file
// when it cannot be read; then `target` is left as it was.
void DrawChart(const ChartRows& rows, View target, std::string_view sheetFile);

}  // namespace kelmar::canvas
