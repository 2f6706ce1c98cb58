// The rikishi, drawn with QPainter in his own coordinates: standing face-on for
// the portraits and the icon, and from the side, posed, for the films and the
// technique pictures.
#pragma once

#include <QPainter>
#include <QPointF>

#include "pictures/look.h"

namespace kelmar::pictures {

// The face-on figure fills a box 18 wide and 54 high: topknot and head in the
// top third, chest, belly and arms in the middle, mawashi and legs below.
inline constexpr double kFrontWidth = 18.0;
inline constexpr double kFrontHeight = 54.0;
void DrawFrontFigure(QPainter& p, const Look& look);

// A pose seen from the side. Everything but `hip`, `facing` and `roll` is
// measured from the hip in the figure's own frame: x forward (towards where he
// looks), y down, for a figure about 72 units tall when he stands upright.
struct Pose {
    QPointF hip;          // in the picture
    int facing = 1;       // 1 looks right, -1 looks left
    double roll = 0;      // the whole body turned about the hip, degrees
    double lean = 0;      // torso from upright, degrees, forward positive
    double headTurn = 0;  // head against the torso, degrees
    QPointF frontFoot{6, 30};
    QPointF backFoot{-6, 30};
    QPointF frontHand{9, 4};
    QPointF backHand{-3, 4};
    double scale = 1;  // units to picture pixels
};

void DrawSideFigure(QPainter& p, const Look& look, const Pose& pose);

// The outline pen of every figure at a width.
QPen OutlinePen(double width);

}  // namespace kelmar::pictures
