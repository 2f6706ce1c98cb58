#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "pictures/figure.h"
#include "pictures/palette.h"

namespace kelmar::pictures {

QPen OutlinePen(double width) {
    return QPen(palette::kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

namespace {

constexpr double kCx = kFrontWidth / 2;
constexpr double kLine = 0.9;  // outline width

// A limb: a thick round-capped stroke with its outline.
void Limb(QPainter& p, const QPainterPath& path, double width, const QColor& colour) {
    p.setBrush(Qt::NoBrush);
    p.setPen(OutlinePen(width + 2 * kLine));
    p.drawPath(path);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void Filled(QPainter& p, const QPainterPath& path, const QBrush& brush) {
    p.setPen(OutlinePen(kLine));
    p.setBrush(brush);
    p.drawPath(path);
}

QPainterPath Curve(QPointF a, QPointF via, QPointF b) {
    QPainterPath path(a);
    path.quadTo(via, b);
    return path;
}

// The measures of one build, girth 0 (lean) to 1 (heaviest). The belly is
// wider than the shoulders and the hands rest on its front, so the round of
// the belly shows beside the arms.
struct Build {
    double shoulder, belly, hips, arm, thigh;
    explicit Build(double g)
        : shoulder(5.0 + 0.6 * g),
          belly(6.1 + 1.9 * g),
          hips(5.6 + 1.2 * g),
          arm(3.0 + 0.6 * g),
          thigh(5.0 + 1.3 * g) {}

    QPointF Shoulder(int side) const { return {kCx + side * (shoulder - 0.7), 17.6}; }
    QPointF Elbow(int side) const { return {kCx + side * (shoulder + 2.2), 23.8}; }
    QPointF Hand(int side) const { return {kCx + side * (belly - 2.4), 30.8}; }
    QPainterPath Arm(int side) const { return Curve(Shoulder(side), Elbow(side), Hand(side)); }
};

void DrawLegs(QPainter& p, const Look& look, const Build& b) {
    for (int side : {-1, 1}) {
        const QPointF hip(kCx + side * 3.1, 39.5);
        const QPointF knee(kCx + side * 6.4, 46.0);
        const QPointF ankle(kCx + side * 5.9, 51.0);
        const QPainterPath leg = Curve(hip, knee, ankle);
        Limb(p, leg, b.thigh, look.skin);
        if (look.kneeTape && side < 0) {
            QPainterPathStroker stroker;
            stroker.setWidth(b.thigh);
            p.save();
            p.setClipPath(stroker.createStroke(leg));
            p.fillRect(QRectF(0, 45.4, kFrontWidth, 2.4), palette::kTape);
            p.restore();
        }
        QPainterPath foot;
        foot.addEllipse(QPointF(kCx + side * 6.2, 52.4), 2.2, 1.3);
        Filled(p, foot, look.skin);
    }
}

QPainterPath TorsoPath(const Build& b) {
    const double neck = 3.0;
    QPainterPath t;
    t.moveTo(kCx - neck, 12.6);
    t.cubicTo(kCx - neck, 15.0, kCx - b.shoulder + 1.0, 15.0, kCx - b.shoulder, 17.6);
    t.cubicTo(kCx - b.shoulder - 0.6, 21.0, kCx - b.belly, 24.5, kCx - b.belly, 30.0);
    t.cubicTo(kCx - b.belly, 34.4, kCx - b.hips - 0.4, 35.6, kCx - b.hips, 38.0);
    t.lineTo(kCx + b.hips, 38.0);
    t.cubicTo(kCx + b.hips + 0.4, 35.6, kCx + b.belly, 34.4, kCx + b.belly, 30.0);
    t.cubicTo(kCx + b.belly, 24.5, kCx + b.shoulder + 0.6, 21.0, kCx + b.shoulder, 17.6);
    t.cubicTo(kCx + b.shoulder - 1.0, 15.0, kCx + neck, 15.0, kCx + neck, 12.6);
    t.closeSubpath();
    return t;
}

QPainterPath ArmShape(const Build& b, int side) {
    QPainterPathStroker stroker;
    stroker.setWidth(b.arm);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(b.Arm(side));
}

QBrush BellyLight(const QColor& skin) {
    QRadialGradient g(QPointF(kCx, 27.5), 10.0, QPointF(kCx - 0.5, 26.5));
    g.setColorAt(0.0, Shade(skin, 108));
    g.setColorAt(0.55, skin);
    g.setColorAt(1.0, Shade(skin, 82));
    return g;
}

void DrawChest(QPainter& p, const Look& look, const Build& b) {
    const QColor crease = Shade(look.skin, 70);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(crease, 0.55, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1})
        p.drawPath(Curve(QPointF(kCx + side * 3.9, 20.4), QPointF(kCx + side * 2.6, 23.2),
                         QPointF(kCx + side * 0.5, 22.1)));
    // The belly hangs over the mawashi.
    const double w = b.belly - 1.4;
    p.drawPath(Curve(QPointF(kCx - w, 33.6), QPointF(kCx, 36.6), QPointF(kCx + w, 33.6)));
    p.setPen(Qt::NoPen);
    p.setBrush(Shade(look.skin, 62));
    for (int side : {-1, 1}) p.drawEllipse(QPointF(kCx + side * 2.6, 22.2), 0.45, 0.45);
    p.drawEllipse(QPointF(kCx, 30.3), 0.4, 0.55);
}

// The arms a shade darker than the lit belly, with an outline of their own
// and a fist on the belly.
void DrawArms(QPainter& p, const Look& look, const Build& b) {
    for (int side : {-1, 1}) {
        Filled(p, ArmShape(b, side), Shade(look.skin, 92));
        QPainterPath fist;
        fist.addEllipse(b.Hand(side), b.arm / 2 + 0.15, b.arm / 2 + 0.25);
        Filled(p, fist, Shade(look.skin, 96));
    }
}

void DrawMawashi(QPainter& p, const Look& look, const Build& b) {
    const double half = b.hips + 0.4;
    QPainterPath band;
    band.addRoundedRect(QRectF(kCx - half, 35.6, 2 * half, 5.0), 1.0, 1.0);
    Filled(p, band, look.mawashi);
    p.setPen(QPen(Shade(look.mawashi, 140), 0.5));
    p.drawLine(QPointF(kCx - half + 1.0, 36.6), QPointF(kCx + half - 1.0, 36.6));
    // Between the legs the mawashi runs down under the cords.
    QPainterPath crotch;
    crotch.moveTo(kCx - 2.8, 40.2);
    crotch.lineTo(kCx + 2.8, 40.2);
    crotch.lineTo(kCx + 1.0, 44.6);
    crotch.lineTo(kCx - 1.0, 44.6);
    crotch.closeSubpath();
    Filled(p, crotch, Shade(look.mawashi, 80));
    // The sagari: stiff cords hanging in front.
    p.setPen(QPen(Shade(look.mawashi, 82), 1.15, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 4; ++k) {
        const double x = kCx - 3.3 + 2.2 * k;
        p.drawLine(QPointF(x, 40.4), QPointF(x + (x - kCx) * 0.08, 46.2 - std::abs(x - kCx) * 0.2));
    }
}

QPainterPath TopknotPath(Topknot style) {
    // A knot on a narrow stem, so that it stands clear of the head.
    QPainterPath knot;
    knot.addRoundedRect(QRectF(kCx - 0.9, 2.0, 1.8, 2.6), 0.6, 0.6);
    switch (style) {
        case Topknot::Ginkgo:  // the leaf spread like a fan
            knot.addEllipse(QPointF(kCx, 1.9), 3.4, 1.55);
            break;
        case Topknot::Tall:
            knot.addEllipse(QPointF(kCx, 1.7), 2.0, 1.6);
            break;
        case Topknot::Small:  // a plain knot lying on the crown
            knot.addEllipse(QPointF(kCx, 2.4), 1.5, 1.25);
            break;
    }
    return knot.simplified();
}

void DrawFace(QPainter& p, const Look& look) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 110, 100, 55));
    for (int side : {-1, 1}) p.drawEllipse(QPointF(kCx + side * 3.0, 11.2), 1.1, 0.8);
    p.setBrush(palette::kHair);
    for (int side : {-1, 1}) p.drawEllipse(QPointF(kCx + side * 1.9, 9.4), 0.62, 0.72);
    p.setPen(QPen(look.hair, look.heavyBrows ? 0.95 : 0.6, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1})
        p.drawLine(QPointF(kCx + side * 3.0, 7.6), QPointF(kCx + side * 1.0, 8.0));
    p.setPen(QPen(palette::kMouth, 0.55, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(kCx - 1.1, 12.1), QPointF(kCx + 1.1, 12.1));
}

void DrawHead(QPainter& p, const Look& look) {
    const double rx = 4.5 + 0.6 * look.girth;
    for (int side : {-1, 1}) {
        QPainterPath ear;
        ear.addEllipse(QPointF(kCx + side * rx, 9.5), 1.0, 1.5);
        Filled(p, ear, Shade(look.skin, 94));
    }
    QPainterPath head;
    head.addEllipse(QPointF(kCx, 9.0), rx, 5.3);
    Filled(p, head, look.skin);

    // Hair combed back: a cap with a rounded hairline, sideburns for some.
    QPainterPath hairArea;
    hairArea.addEllipse(QPointF(kCx, 3.0), rx + 1.5, 3.0);
    if (look.sideburns) {
        hairArea.addRect(QRectF(kCx - rx - 1, 2, 1.7, 8.2));
        hairArea.addRect(QRectF(kCx + rx - 0.7, 2, 1.7, 8.2));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(look.hair);
    p.drawPath(head.intersected(hairArea.simplified()));
    p.setBrush(Qt::NoBrush);
    p.setPen(OutlinePen(kLine));
    p.drawPath(head);

    Filled(p, TopknotPath(look.topknot), look.hair);
    DrawFace(p, look);
}

}  // namespace

void DrawFrontFigure(QPainter& p, const Look& look) {
    const Build build(look.girth);
    p.save();
    DrawLegs(p, look, build);
    Filled(p, TorsoPath(build), BellyLight(look.skin));
    DrawChest(p, look, build);
    DrawArms(p, look, build);
    DrawMawashi(p, look, build);
    DrawHead(p, look);
    p.restore();
}

}  // namespace kelmar::pictures
