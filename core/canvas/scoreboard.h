// The pictures of the main window's scoreboard Image2 (425 x 161) and its
// film Image1 (240 x 160): the day's 32 figures painted from the picture
// sheet before the first bout, then the lamps and technique pictures of each
// bout, and the film's frames. Bout i owns the column whose left edge is
// x = 410 - 24 * i, so the day runs from right to left. The names under the
// board are texts each frontend writes with its own fonts.
#pragma once

#include <string>

#include "canvas/picture.h"
#include "state/frontend.h"

namespace kelmar::canvas {

// The working picture of the day card: white, 480 x 200, larger than the
// board, which it covers from (0, 0) and so wipes the previous day.
inline constexpr int kCardWidth = 480, kCardHeight = 200;

// The day card's figures from `sheet` on a fresh white working picture. The
// card's portrait numbers all have a figure on the sheet (the rules refused
// any other); a figure off a smaller sheet draws nothing.
Picture BoutCard(const DayCard& card, ConstView sheet);

// Reads the sheet 力士.bmp from the game folder and draws BoutCard at (0, 0)
// of the board. Raises PictureError when the sheet cannot be read; then the
// board is left as it was.
void DrawBoutCard(const DayCard& card, View board);

// The blank board of a new career: a white working picture drawn at (0, 0).
void ClearBoard(View board);

// The five pictures of a day, read at its start and released with the object
// at its end. Each is drawn at its own size.
class DayPictures {
  public:
    // Reads On.bmp, Off.bmp, oshi.bmp, hiki.bmp and nage.bmp from the game
    // folder, in that order; PictureError names the first that cannot be read.
    static DayPictures Load();

    // On.bmp at both lamp places of the bout's column, (x, 0) and (x, 142).
    void LightLamps(View board, int bout) const;
    // The technique picture of a win with this tactic code at (x, 70); a code
    // other than 1, 2 or 3 has no picture and draws nothing.
    void DrawTechnique(View board, int bout, int tactic) const;
    // Off.bmp over the loser's lamp: (x, 0) for the east, (x, 142) for the west.
    void PutOutLamp(View board, int bout, Side loser) const;

  private:
    Picture on_, off_, oshi_, hiki_, nage_;
};

// The film's frame of this letter, "<letter>.bmp" of the game folder, read
// afresh at every step; PictureError when it cannot be read.
Picture FilmFrame(char letter);

}  // namespace kelmar::canvas
