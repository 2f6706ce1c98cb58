#include "pictures/scoreboard.h"

#include <QPainterPath>
#include <QRadialGradient>

#include "pictures/arena.h"
#include "pictures/canvas.h"
#include "pictures/film.h"
#include "pictures/palette.h"

namespace kelmar::pictures {

namespace {

const QSize kPiece(kPieceWidth, kPieceHeight);

// A west win by this tactic as silhouettes fitted into a rectangle of the
// piece: the winner white, the loser in a paler tint of the piece's colour.
QImage Silhouette(int tactic, QSize size, int factor) {
    const char letters[] = {'b', 'e', 'g'};
    const QColor c = palette::kTactic[tactic - 1];
    const QColor tints[] = {Qt::white, QColor((c.red() + 2 * 255) / 3, (c.green() + 2 * 255) / 3,
                                              (c.blue() + 2 * 255) / 3, 170)};
    QImage layer(QSize(kFilmWidth, kFilmHeight) * factor, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    for (int which : {2, 1}) {  // the loser first, the winner over him
        QImage one(layer.size(), QImage::Format_ARGB32_Premultiplied);
        one.fill(Qt::transparent);
        QPainter p(&one);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(factor, factor);
        DrawBoutFigures(p, letters[tactic - 1], which);
        p.resetTransform();
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(one.rect(), tints[which - 1]);
        p.end();
        QPainter(&layer).drawImage(0, 0, one);
    }
    QRect used;
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x)
            if (qAlpha(layer.pixel(x, y)) > 0)
                used |= QRect(x, y, 1, 1);
    return layer.copy(used).scaled(size * factor, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

QImage DrawTechnique(int tactic) {
    constexpr int kFactor = 8;
    const QImage figures = Silhouette(tactic, QSize(21, 15), kFactor);
    return Supersampled(kPiece, kFactor, [&](QPainter& p) {
        p.setPen(QPen(Shade(palette::kTactic[tactic - 1], 60), 0.8));
        p.setBrush(palette::kTactic[tactic - 1]);
        p.drawRoundedRect(QRectF(0.5, 0.5, kPieceWidth - 1, kPieceHeight - 1), 3.5, 3.5);
        const QSizeF shown(figures.width() / double(kFactor), figures.height() / double(kFactor));
        p.drawImage(
            QRectF(QPointF((kPieceWidth - shown.width()) / 2, (kPieceHeight - shown.height()) / 2),
                   shown),
            figures);
    });
}

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
