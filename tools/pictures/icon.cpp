#include "pictures/icon.h"

#include <QLinearGradient>
#include <QPainterPath>

#include "pictures/canvas.h"
#include "pictures/figure.h"
#include "pictures/look.h"
#include "pictures/palette.h"

namespace kelmar::pictures {

QImage DrawIcon() {
    return Supersampled(
        QSize(kIconSize, kIconSize), 4,
        [](QPainter& p) {
            // A tile in the purple of the drape, rimmed in gold.
            QLinearGradient ground(0, 0, 0, kIconSize);
            ground.setColorAt(0, palette::kCurtain);
            ground.setColorAt(1, palette::kCurtainFold);
            p.setPen(QPen(palette::kGold, 8));
            p.setBrush(ground);
            p.drawRoundedRect(QRectF(8, 8, kIconSize - 16, kIconSize - 16), 44, 44);
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
        },
        Qt::transparent);
}

}  // namespace kelmar::pictures
