#include "pictures/icon.h"

#include <QLinearGradient>
#include <QPainterPath>

#include "pictures/canvas.h"
#include "pictures/figure.h"
#include "pictures/look.h"
#include "pictures/palette.h"

namespace kelmar::pictures {

namespace {

// The ring and the rikishi on a 256-pixel square.
void DrawRingAndRikishi(QPainter& p) {
    // The clay ring and its bales.
    const QRectF ring(30, 168, kIconSize - 60, 62);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kClayLight);
    p.drawEllipse(ring);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(palette::kStrawDark, 12));
    p.drawEllipse(ring);
    p.setPen(QPen(palette::kStraw, 8));
    p.drawEllipse(ring);
    // A heavy rikishi, feet in the ring; drawn broader than the portraits,
    // which the day card squeezes.
    Look look = LookFor(1);
    look.girth = 1.0;
    look.mawashi = palette::kGold;
    const double sx = 5.6, sy = 3.7;
    p.save();
    p.translate(kIconSize / 2.0 - sx * kFrontWidth / 2, 212 - sy * kFrontHeight);
    p.scale(sx, sy);
    DrawFrontFigure(p, look);
    p.restore();
}

QLinearGradient Drape() {
    QLinearGradient ground(0, 0, 0, kIconSize);
    ground.setColorAt(0, palette::kCurtain);
    ground.setColorAt(1, palette::kCurtainFold);
    return ground;
}

}  // namespace

QImage DrawIcon(int size, IconShape shape) {
    return Supersampled(
        QSize(size, size), 4,
        [shape, size](QPainter& p) {
            p.scale(size / double(kIconSize), size / double(kIconSize));
            if (shape == IconShape::Tile) {
                // A tile in the purple of the drape, rimmed in gold.
                p.setPen(QPen(palette::kGold, 8));
                p.setBrush(Drape());
                p.drawRoundedRect(QRectF(8, 8, kIconSize - 16, kIconSize - 16), 44, 44);
                DrawRingAndRikishi(p);
                return;
            }
            // The drape to the edges, a gold circle at the mask's border, the
            // ring and the rikishi shrunk into it.
            p.fillRect(QRectF(0, 0, kIconSize, kIconSize), Drape());
            const double safe = 0.8 * kIconSize / 2;
            p.setPen(QPen(palette::kGold, 6));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(kIconSize / 2.0, kIconSize / 2.0), safe - 3, safe - 3);
            const double shrink = 0.66;
            p.translate(kIconSize / 2.0, kIconSize / 2.0);
            p.scale(shrink, shrink);
            p.translate(-kIconSize / 2.0, -kIconSize / 2.0 - 8);
            DrawRingAndRikishi(p);
        },
        shape == IconShape::Tile ? QColor(Qt::transparent) : QColor(palette::kCurtain));
}

}  // namespace kelmar::pictures
