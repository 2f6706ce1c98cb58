// The banzuke chart of frmStage, drawn entirely from cells of the picture
// sheet: for each of the 32 slots its rank, wins, losses, experience stars and
// name plate. Slots 1 to 16 stand in the left half, 17 to 32 in the right.
// canvas/chart.h composes it; the column titles over it are the game's
// (ChartTitles).
#pragma once

#include <QImage>
#include <QString>

#include "lang/language.h"
#include "state/frontend.h"

namespace kelmar {

// Reads the sheet of `language` (lang/pictures.h) from the game folder,
// composes the whole chart on a white 430 x 330 picture and draws that onto
// `target` at (0, 0) in one copy.
// Raises PictureError when the sheet cannot be read; then `target` is left as
// it was. Every value of the rows has its cell (the rules refused any other).
void DrawChart(const ChartRows& rows, QImage& target, Language language);

}  // namespace kelmar
