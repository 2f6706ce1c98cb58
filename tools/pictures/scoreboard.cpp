#include "pictures/scoreboard.h"

#include <QPainterPath>
#include <QRadialGradient>

#include "pictures/canvas.h"
#include "pictures/figure.h"
#include "pictures/palette.h"

namespace kelmar::pictures {

namespace {

const QSize kPiece(kPieceWidth, kPieceHeight);

}  // namespace

QImage DrawLamp(bool lit) {
    return Supersampled(kPiece, 8, [lit](QPainter& p) {
        const QPointF centre(12, 9);
        if (lit) {
            QRadialGradient glow(centre, 9.5);
            glow.setColorAt(0.55, QColor(255, 200, 90, 150));
            glow.setColorAt(1.0, QColor(255, 220, 140, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(glow);
            p.drawEllipse(centre, 9.5, 9.5);
        }
        p.setPen(QPen(palette::kOutline, 0.8));
        p.setBrush(palette::kBezel);
        p.drawEllipse(centre, 7.4, 7.4);
        QRadialGradient bulb(centre + QPointF(-1.5, -1.8), 7.0);
        if (lit) {
            bulb.setColorAt(0.0, palette::kLampCore);
            bulb.setColorAt(0.45, palette::kLampLit);
            bulb.setColorAt(1.0, palette::kLampRim);
        } else {
            bulb.setColorAt(0.0, QColor(120, 120, 128));
            bulb.setColorAt(0.6, palette::kLampDark);
            bulb.setColorAt(1.0, QColor(30, 30, 36));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(bulb);
        p.drawEllipse(centre, 5.9, 5.9);
        p.setBrush(QColor(255, 255, 255, lit ? 210 : 90));
        p.drawEllipse(centre + QPointF(-2.2, -2.4), 1.5, 1.1);
    });
}

}  // namespace kelmar::pictures
