#include <QPainterPath>
#include <QTransform>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "pictures/figure.h"
#include "pictures/palette.h"

namespace kelmar::pictures {

namespace {

constexpr double kLine = 1.6;
constexpr double kThigh = 15, kShin = 15, kUpperArm = 12, kForearm = 11;

double Length(QPointF v) { return std::hypot(v.x(), v.y()); }

// The middle joint of a two-bone limb from `root` to `end`, on the side that
// `prefer` scores higher.
template <typename Score>
QPointF Joint(QPointF root, QPointF end, double a, double b, Score prefer) {
    const QPointF v = end - root;
    const double d = std::clamp(Length(v), std::abs(a - b) + 0.01, a + b - 0.01);
    const double base = std::atan2(v.y(), v.x());
    const double bend = std::acos(std::clamp((a * a + d * d - b * b) / (2 * a * d), -1.0, 1.0));
    const QPointF one = root + a * QPointF(std::cos(base + bend), std::sin(base + bend));
    const QPointF two = root + a * QPointF(std::cos(base - bend), std::sin(base - bend));
    return prefer(one) >= prefer(two) ? one : two;
}

// A point of the torso: `along` up the spine from the hip, `ahead` towards the belly.
struct Frame {
    QPointF up, ahead;
    QPointF At(double along, double forward) const { return along * up + forward * ahead; }
};

void Stroke(QPainter& p, const QPainterPath& path, double width, const QColor& colour) {
    p.setBrush(Qt::NoBrush);
    p.setPen(OutlinePen(width + 2 * kLine));
    p.drawPath(path);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void Fill(QPainter& p, const QPainterPath& path, const QColor& colour) {
    p.setPen(OutlinePen(kLine));
    p.setBrush(colour);
    p.drawPath(path);
}

QPainterPath Ellipse(QPointF centre, double rAlong, double rAhead, double angle) {
    QPainterPath e;
    e.addEllipse(QPointF(0, 0), rAhead, rAlong);
    return QTransform().translate(centre.x(), centre.y()).rotate(angle).map(e);
}

void DrawLeg(QPainter& p, const Look& look, QPointF joint, QPointF foot) {
    const QPointF knee = Joint(joint, foot, kThigh, kShin, [](QPointF k) { return k.x(); });
    QPainterPath leg(joint);
    leg.lineTo(knee);
    leg.lineTo(foot);
    const double g = look.girth;
    Stroke(p, leg, 11 + 3 * g, look.skin);
    QPainterPath sole;
    sole.addEllipse(foot + QPointF(3.5, 1.5), 6.0, 2.8);
    Fill(p, sole, look.skin);
    if (look.kneeTape) {
        const QPointF dir = (foot - knee) / Length(foot - knee);
        p.setPen(QPen(palette::kTape, 9 + 2 * g, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(knee + dir * 1.5, knee + dir * 5.0);
    }
}

void DrawArm(QPainter& p, const Look& look, QPointF shoulder, QPointF hand) {
    const QPointF elbow =
        Joint(shoulder, hand, kUpperArm, kForearm, [](QPointF e) { return e.y() - 0.3 * e.x(); });
    QPainterPath arm(shoulder);
    arm.lineTo(elbow);
    arm.lineTo(hand);
    Stroke(p, arm, 8 + 1.5 * look.girth, look.skin);
    QPainterPath fist;
    fist.addEllipse(hand, 4.2, 4.2);
    Fill(p, fist, look.skin);
}

QPainterPath TorsoPath(const Look& look, const Frame& f, double lean) {
    const double g = look.girth;
    QPainterPath body = Ellipse(f.At(10, 5 + 2 * g), 13.5, 11.5 + 3.5 * g, lean);
    body = body.united(Ellipse(f.At(19, 0.5), 9, 10.5 + g, lean));
    body = body.united(Ellipse(f.At(3, -6), 8.5, 8.5 + g, lean));
    return body.simplified();
}

void DrawMawashi(QPainter& p, const Look& look, const Frame& f) {
    const double g = look.girth;
    const double front = 13 + 4 * g;
    QPainterPath band;
    band.moveTo(f.At(4.5, -13.5));
    band.lineTo(f.At(5.5, front - 0.5));
    band.lineTo(f.At(-4.0, front - 2.5));
    band.lineTo(f.At(-4.5, -12.5));
    band.closeSubpath();
    Fill(p, band, look.mawashi);
    // The knot at the back, and the cords hanging in front.
    QPainterPath knot;
    knot.addEllipse(f.At(0.5, -14.5), 3.2, 3.2);
    Fill(p, knot, Shade(look.mawashi, 85));
    for (int k = 0; k < 3; ++k) {
        const QPointF top = f.At(-3.8, front - 3.5 - 2.6 * k);
        const QPointF end = top + QPointF(0, 9.5 - k);
        p.setPen(QPen(palette::kOutline, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(top, end);
        p.setPen(QPen(Shade(look.mawashi, 80), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(top, end);
    }
}

void DrawHead(QPainter& p, const Look& look, QPointF centre, double angle) {
    p.save();
    p.translate(centre);
    p.rotate(angle);
    QPainterPath head;
    head.addEllipse(QPointF(0, 0), 8.2, 8.4);
    head = head.united([] {
        QPainterPath nose;
        nose.addEllipse(QPointF(7.9, 0.9), 1.6, 1.5);
        return nose;
    }()).simplified();
    Fill(p, head, look.skin);
    QPainterPath hairArea;
    hairArea.addRect(QRectF(-12, -12, 10.5, 24));
    hairArea.addRect(QRectF(-12, -12, 24, 7.6));
    p.setPen(Qt::NoPen);
    p.setBrush(look.hair);
    p.drawPath(head.intersected(hairArea.simplified()));
    p.setBrush(Qt::NoBrush);
    p.setPen(OutlinePen(kLine));
    p.drawPath(head);
    QPainterPath ear;
    ear.addEllipse(QPointF(-0.5, 0.8), 2.0, 2.7);
    Fill(p, ear, Shade(look.skin, 92));
    // The ginkgo-leaf topknot lies forward on the crown.
    QPainterPath knot;
    knot.moveTo(-3.0, -7.0);
    knot.cubicTo(-1.0, -12.5, 6.5, -12.8, 7.5, -8.8);
    knot.cubicTo(4.5, -7.2, 1.0, -7.0, -3.0, -7.0);
    Fill(p, knot, look.hair);
    p.setPen(QPen(palette::kHairTie, 1.3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(-1.6, -9.6), QPointF(-0.6, -7.0));
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kHair);
    p.drawEllipse(QPointF(4.6, -1.0), 1.0, 1.1);
    p.setPen(QPen(look.hair, look.heavyBrows ? 1.5 : 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.0, -3.4), QPointF(6.4, -3.0));
    p.setPen(QPen(palette::kMouth, 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5.2, 4.0), QPointF(7.2, 3.8));
    p.restore();
}

}  // namespace

void DrawSideFigure(QPainter& p, const Look& look, const Pose& pose) {
    p.save();
    p.translate(pose.hip);
    p.scale(pose.scale * pose.facing, pose.scale);
    p.rotate(pose.roll);
    const double rad = qDegreesToRadians(pose.lean);
    const Frame f{QPointF(std::sin(rad), -std::cos(rad)), QPointF(std::cos(rad), std::sin(rad))};
    const QPointF shoulder = f.At(20, 0);
    const QPointF backShoulder = f.At(20.5, -3.5);

    DrawArm(p, look, backShoulder, pose.backHand);
    DrawLeg(p, look, f.At(-1, -4), pose.backFoot);
    Fill(p, TorsoPath(look, f, pose.lean), look.skin);
    DrawLeg(p, look, f.At(-1, 1), pose.frontFoot);
    DrawMawashi(p, look, f);
    DrawHead(p, look, f.At(31, 3), pose.lean + pose.headTurn);
    DrawArm(p, look, shoulder, pose.frontHand);
    p.restore();
}

}  // namespace kelmar::pictures
