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

double Length(QPointF v) {
    return std::hypot(v.x(), v.y());
}

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
    // A hand out of reach is brought back along the line to it.
    const QPointF to = hand - shoulder;
    const double reach = kUpperArm + kForearm - 0.5;
    if (Length(to) > reach)
        hand = shoulder + to * (reach / Length(to));
    const QPointF elbow =
        Joint(shoulder, hand, kUpperArm, kForearm, [](QPointF e) { return e.y() - 0.3 * e.x(); });
    const double g = look.girth;
    QPainterPath upper(shoulder), fore(elbow);
    upper.lineTo(elbow);
    fore.lineTo(hand);
    p.setBrush(Qt::NoBrush);
    p.setPen(OutlinePen(9.5 + 1.5 * g + 2 * kLine));
    p.drawPath(upper);
    p.setPen(OutlinePen(7.5 + g + 2 * kLine));
    p.drawPath(fore);
    p.setPen(QPen(look.skin, 9.5 + 1.5 * g, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(upper);
    p.setPen(QPen(look.skin, 7.5 + g, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(fore);
    QPainterPath fist;
    fist.addEllipse(hand, 4.0, 4.0);
    Fill(p, fist, Shade(look.skin, 96));
}

// The back of the body: buttocks, chest and the thick neck. The belly is
// drawn on its own, over the mawashi that it hangs over.
QPainterPath BackPath(const Look& look, const Frame& torso, const Frame& pelvis, double lean,
                      double pelvisLean) {
    const double g = look.girth;
    QPainterPath body = Ellipse(torso.At(19, 0.5), 9.5, 10.5 + g, lean);
    body = body.united(Ellipse(torso.At(10, 1), 11, 10 + g, lean));
    body = body.united(Ellipse(pelvis.At(2, -6), 9, 9 + g, pelvisLean));
    body = body.united(Ellipse(torso.At(25, 2.5), 6.5, 7, lean));
    return body.simplified();
}

QPainterPath BellyPath(const Look& look, const Frame& torso, double lean) {
    const double g = look.girth;
    return Ellipse(torso.At(9.5, 5.5 + 2.5 * g), 12, 11 + 3.5 * g, lean);
}

void DrawMawashi(QPainter& p, const Look& look, const Frame& f) {
    const double g = look.girth;
    const double front = 12 + 4 * g;
    QPainterPath band;
    band.moveTo(f.At(5.5, -15.0));
    band.quadTo(f.At(6.5, 0), f.At(2.5, front));
    band.lineTo(f.At(-5.0, front - 1.5));
    band.quadTo(f.At(-3.0, 0), f.At(-3.5, -15.5));
    band.closeSubpath();
    Fill(p, band, look.mawashi);
    p.setPen(QPen(Shade(look.mawashi, 140), 1.0));
    p.drawLine(f.At(3.8, -12), f.At(4.2, 2));
    QPainterPath knot;  // the knot at the back
    knot.addRoundedRect(QRectF(f.At(2.5, -17.5), QSizeF(3.5, 5.0)).translated(-1.75, -2.5), 1.2,
                        1.2);
    Fill(p, knot, Shade(look.mawashi, 85));
    // The cords hang straight down in front.
    for (int k = 0; k < 3; ++k) {
        const QPointF top = f.At(-4.0, front - 2.0 - 2.8 * k);
        const QPointF end = top + QPointF(0, 10 - k);
        p.setPen(QPen(palette::kOutline, 2.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(top, end);
        p.setPen(QPen(Shade(look.mawashi, 80), 1.3, Qt::SolidLine, Qt::RoundCap));
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
               }())
               .simplified();
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

Frame FrameAt(double degrees) {
    const double rad = qDegreesToRadians(degrees);
    return {QPointF(std::sin(rad), -std::cos(rad)), QPointF(std::cos(rad), std::sin(rad))};
}

}  // namespace

void DrawSideFigure(QPainter& p, const Look& look, const Pose& pose) {
    p.save();
    p.translate(pose.hip);
    p.scale(pose.scale * pose.facing, pose.scale);
    p.rotate(pose.roll);
    // The spine leans from the hips; the pelvis follows it only part way.
    const Frame torso = FrameAt(pose.lean);
    const double pelvisLean = pose.lean * 0.45;
    const Frame pelvis = FrameAt(pelvisLean);

    DrawArm(p, look, torso.At(20.5, -3.5), pose.backHand);
    DrawLeg(p, look, pelvis.At(-1, -5), pose.backFoot);
    Fill(p, BackPath(look, torso, pelvis, pose.lean, pelvisLean), look.skin);
    DrawLeg(p, look, pelvis.At(-1, 2), pose.frontFoot);
    DrawMawashi(p, look, pelvis);
    Fill(p, BellyPath(look, torso, pose.lean), look.skin);
    DrawHead(p, look, torso.At(30, 5), pose.lean + pose.headTurn);
    DrawArm(p, look, torso.At(20, 0), pose.frontHand);
    p.restore();
}

}  // namespace kelmar::pictures
