// The thirteen pictures of the bout films, 240 x 160: "a" the face-off at the
// tachiai, then two pictures for each winning move and side. West stands on
// the left and east on the right in every picture, as on the scoreboard's
// name labels.
#pragma once

#include <QImage>
#include <QPainter>

namespace kelmar::pictures {

// The picture of letter 'a' .. 'm'.
QImage DrawFilmPicture(char letter);

// Only the two rikishi of that picture, in its coordinates; `which` 0 both,
// 1 only the winner, 2 only the loser.
void DrawBoutFigures(QPainter& p, char letter, int which = 0);

}  // namespace kelmar::pictures
