// The pieces the day of bouts draws on the scoreboard, 24 x 18 each: the lamp
// lit and put out, and the technique pictures of a win by pushing, by pulling
// aside and by a throw.
#pragma once

#include <QImage>

namespace kelmar::pictures {

inline constexpr int kPieceWidth = 24;
inline constexpr int kPieceHeight = 18;

QImage DrawLamp(bool lit);
// tactic 1 pushing out (oshi), 2 pulling aside (hiki), 3 throwing (nage)
QImage DrawTechnique(int tactic);

}  // namespace kelmar::pictures
