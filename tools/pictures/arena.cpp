#include "pictures/arena.h"

#include <QLinearGradient>
#include <QPainterPath>

#include "pictures/canvas.h"
#include "pictures/figure.h"
#include "pictures/palette.h"

namespace kelmar::pictures {

namespace {

void DrawBackdrop(QPainter& p) {
    QLinearGradient air(0, 0, 0, 96);
    air.setColorAt(0, palette::kBackdropTop);
    air.setColorAt(1, palette::kBackdropLow);
    p.fillRect(QRectF(0, 0, kFilmWidth, kFilmHeight), air);
    // The crowd: rows of heads, dimmer further back.
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row) {
        const double y = 52 + row * 9;
        p.setBrush(QColor(30 + row * 8, 22 + row * 6, 30 + row * 4));
        for (int k = 0; k < 26; ++k) {
            const double x = k * 9.6 + (row % 2) * 4.8 + ((k * 7 + row * 3) % 5) * 0.6;
            p.drawEllipse(QPointF(x, y), 3.6, 3.2);
            p.drawRoundedRect(QRectF(x - 4.6, y + 2, 9.2, 6), 2.5, 2.5);
        }
    }
}

void DrawTassel(QPainter& p, double x, const QColor& colour) {
    p.setPen(QPen(Shade(colour, 70), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x, 14), QPointF(x, 36));
    QPainterPath tassel;
    tassel.moveTo(x - 1.5, 35);
    tassel.lineTo(x + 1.5, 35);
    tassel.lineTo(x + 4.5, 56);
    tassel.quadTo(x, 58, x - 4.5, 56);
    tassel.closeSubpath();
    p.setPen(QPen(Shade(colour, 60), 0.8));
    p.setBrush(colour);
    p.drawPath(tassel);
    p.setBrush(Shade(colour, 70));
    p.drawEllipse(QPointF(x, 35), 3, 2.4);
}

void DrawDrape(QPainter& p) {
    QPainterPath drape;
    drape.moveTo(0, 0);
    drape.lineTo(kFilmWidth, 0);
    drape.lineTo(kFilmWidth, 11);
    for (int k = 8; k >= 0; --k) drape.quadTo(k * 30 + 15, 19, k * 30, 11);
    drape.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kCurtain);
    p.drawPath(drape);
    p.setPen(QPen(palette::kCurtainFold, 1.2));
    for (int k = 0; k <= 8; ++k) p.drawLine(QPointF(k * 30, 0), QPointF(k * 30, 11));
    p.setPen(QPen(palette::kGold, 1.6));
    p.drawLine(QPointF(0, 3), QPointF(kFilmWidth, 3));
    // North-west tassel black, north-east blue-green: we look north.
    DrawTassel(p, 10, QColor(40, 40, 46));
    DrawTassel(p, kFilmWidth - 10, QColor(40, 120, 110));
}

void DrawDohyo(QPainter& p) {
    QPainterPath top;
    top.moveTo(14, 88);
    top.lineTo(kFilmWidth - 14, 88);
    top.lineTo(kFilmWidth + 12, 132);
    top.lineTo(-12, 132);
    top.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kClay);
    p.drawPath(top);
    QLinearGradient face(0, 132, 0, kFilmHeight);
    face.setColorAt(0, palette::kClayDark);
    face.setColorAt(1, Shade(palette::kClayDark, 70));
    p.fillRect(QRectF(0, 132, kFilmWidth, kFilmHeight - 132), face);
    // Bales along the front edge and round the ring, the sand inside it.
    p.setPen(QPen(palette::kStrawDark, 1.0));
    p.setBrush(palette::kStraw);
    p.drawRoundedRect(QRectF(-4, 129, kFilmWidth + 8, 5), 2.5, 2.5);
    const QRectF ring(16, 92, kFilmWidth - 32, 34);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kClayLight);
    p.drawEllipse(ring);
    p.setPen(QPen(palette::kStrawDark, 5.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(ring);
    p.setPen(QPen(palette::kStraw, 3.6));
    p.drawEllipse(ring);
    p.setPen(QPen(palette::kChalk, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(101, 103), QPointF(99, 115));
    p.drawLine(QPointF(139, 103), QPointF(141, 115));
}

}  // namespace

void DrawArena(QPainter& p) {
    DrawBackdrop(p);
    DrawDohyo(p);
    DrawDrape(p);
}

void DrawGyoji(QPainter& p, QPointF feet, int pointing) {
    p.save();
    p.translate(feet);
    p.scale(0.78, 0.78);
    const QColor robe(46, 110, 86), trim(236, 222, 170);
    QPainterPath body;
    body.moveTo(-8, -46);
    body.lineTo(8, -46);
    body.lineTo(15, 0);
    body.lineTo(-15, 0);
    body.closeSubpath();
    p.setPen(OutlinePen(1.4));
    p.setBrush(robe);
    p.drawPath(body);
    p.setPen(QPen(palette::kGold, 1.4));
    for (int k = 0; k < 3; ++k)
        p.drawLine(QPointF(-10 + k * 2, -8 - k * 12), QPointF(10 - k * 2, -8 - k * 12));
    p.setPen(QPen(trim, 2.2));
    p.drawLine(QPointF(0, -46), QPointF(-3, -34));
    p.drawLine(QPointF(0, -46), QPointF(3, -34));
    p.setPen(OutlinePen(1.4));
    p.setBrush(palette::kSkins[1]);
    p.drawEllipse(QPointF(0, -53), 6.5, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kHair);
    for (int side : {-1, 1}) p.drawEllipse(QPointF(side * 2.4, -53), 0.9, 1.0);
    p.setPen(OutlinePen(1.4));
    p.setBrush(QColor(26, 24, 30));  // the eboshi hat
    QPainterPath hat;
    hat.moveTo(-6, -57);
    hat.quadTo(-4, -70, 3, -69);
    hat.quadTo(7, -64, 6, -57);
    hat.closeSubpath();
    p.drawPath(hat);
    // The sleeve and the fan.
    const QPointF shoulder(pointing * 6, -42);
    const QPointF hand = pointing == 0 ? QPointF(0, -30) : QPointF(pointing * 24, -56);
    p.setPen(OutlinePen(8.4));
    p.drawLine(shoulder, hand);
    p.setPen(QPen(robe, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(shoulder, hand);
    p.setPen(OutlinePen(1.2));
    p.setBrush(QColor(150, 42, 30));  // the lacquered fan
    const QPointF fan = hand + (pointing == 0 ? QPointF(0, -9) : QPointF(pointing * 8, -6));
    p.drawEllipse(fan, 6.5, 7.5);
    p.setPen(QPen(palette::kGold, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(fan, 4.2, 5.0);
    p.restore();
}

void DrawCaption(QPainter& p, const QString& text) {
    QFont font = GothicFont(15, true);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(kFilmWidth / 2.0 - box.center().x(), 149 - box.center().y());
    p.setPen(QPen(QColor(40, 20, 12), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(path);
}

void DrawSideTags(QPainter& p) {
    const QFont font = GothicFont(11, true);
    const char* words[] = {"西", "東"};
    for (int side = 0; side < 2; ++side) {
        const QRectF tag(side == 0 ? 20 : kFilmWidth - 36, 22, 16, 15);
        p.setPen(QPen(palette::kGold, 1.0));
        p.setBrush(QColor(20, 14, 24, 200));
        p.drawRoundedRect(tag, 3, 3);
        p.setFont(font);
        p.setPen(QColor(246, 232, 190));
        p.drawText(tag, Qt::AlignCenter, QString::fromUtf8(words[side]));
    }
}

}  // namespace kelmar::pictures
