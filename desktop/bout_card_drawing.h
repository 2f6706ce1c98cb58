// The scoreboard Image2 of the main window (425 x 161): the day's 32 figures
// painted from the picture sheet before the first bout, then the lamps and
// technique pictures of each bout. Bout i owns the column whose left edge is
// x = 410 - 24 * i, so the day runs from right to left. canvas/scoreboard.h
// composes them; these draw into the window's image in place.
#pragma once

#include <QImage>

#include "canvas/scoreboard.h"
#include "state/frontend.h"

namespace kelmar {

// Reads the sheet from the game folder and paints the figures of the day's
// card on a fresh white 480 x 200 picture, which then covers the board from
// (0, 0) and so wipes the previous day. Raises PictureError when the sheet
// cannot be read; then the board is left as it was. The card's portrait
// numbers all have a figure on the sheet (the rules refused any other).
void DrawBoutCard(const DayCard& card, QImage& board);

// The blank board of a new career: a white 480 x 200 picture drawn at (0, 0).
void ClearBoard(QImage& board);

// The five pictures of a day, read at its start and released with the object
// at its end. Each is drawn at its own size.
class DayPictures {
  public:
    // Reads On.bmp, Off.bmp, oshi.bmp, hiki.bmp and nage.bmp from the game
    // folder, in that order; PictureError names the first that cannot be read.
    static DayPictures Load();

    // On.bmp at both lamp places of the bout's column, (x, 0) and (x, 142).
    void LightLamps(QImage& board, int bout) const;
    // The technique picture of a win with this tactic code at (x, 70); a code
    // other than 1, 2 or 3 has no picture and draws nothing.
    void DrawTechnique(QImage& board, int bout, int tactic) const;
    // Off.bmp over the loser's lamp: (x, 0) for the east, (x, 142) for the west.
    void PutOutLamp(QImage& board, int bout, Side loser) const;

  private:
    canvas::DayPictures pictures_;
};

}  // namespace kelmar
