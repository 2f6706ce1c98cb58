// The banzuke chart of frmStage, drawn entirely from cells of the picture
// sheet: for each of the 32 slots its rank, wins, losses, experience stars and
// name plate. Slots 1 to 16 stand in the left half, 17 to 32 in the right.
#pragma once

#include <QImage>
#include <QString>

namespace kelmar {

struct GameState;

// Reads the sheet from the game folder, composes the whole chart on a white
// 430 x 330 picture and draws that onto `target` at (0, 0) in one copy.
// Raises PictureError when the sheet cannot be read, ConversionError for a
// rank code or portrait number that is not a number, and RangeError naming
// the value the sheet has no cell for (a rank code outside 1..5, a win or
// loss count outside 0..15, a portrait number without a plate); then `target`
// is left as it was.
void DrawChart(const GameState& state, QImage& target);

// lblTitle's column titles, which stand over both halves of the chart.
QString ChartColumnTitles();

}  // namespace kelmar
