// The dohyo seen from the south side for the films (240 x 160): the purple
// drape under the roof with its corner tassels, the crowd, the clay ring and
// its straw bales, the referee; and the captions laid over a picture.
#pragma once

#include <QPainter>
#include <QPointF>
#include <QString>

namespace kelmar::pictures {

inline constexpr int kFilmWidth = 240;
inline constexpr int kFilmHeight = 160;
inline constexpr double kGround = 113;  // where the rikishi stand

void DrawArena(QPainter& p);

// The gyoji, standing at `feet`. `pointing` 0 holds the fan before him, 1 or
// -1 raises it towards that side, as he names the winner.
void DrawGyoji(QPainter& p, QPointF feet, int pointing);

// A caption in white with a dark edge, centred at the foot of the picture.
void DrawCaption(QPainter& p, const QString& text);

// West and east marked in the upper corners, west on the left.
void DrawSideTags(QPainter& p);

}  // namespace kelmar::pictures
