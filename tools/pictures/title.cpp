#include "pictures/title.h"

#include <QLinearGradient>
#include <QPainterPath>

#include "pictures/arena.h"
#include "pictures/canvas.h"
#include "pictures/film.h"
#include "pictures/palette.h"

namespace kelmar::pictures {

namespace {

// Where the film's arena stands: flush with the right edge.
constexpr double kArenaLeft = kTitleWidth - kFilmWidth;

// Text in a colour with a dark edge, its baseline at `baseline`, centred on `centre`.
void DrawEdgedText(QPainter& p, const QString& text, const QFont& font, double centre,
                   double baseline, const QColor& fill) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(centre - box.center().x(), baseline);
    p.setPen(QPen(palette::kBackdropTop, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

void DrawBanner(QPainter& p, Language language) {
    QLinearGradient drape(0, 0, 0, kTitleHeight);
    drape.setColorAt(0, palette::kCurtain);
    drape.setColorAt(1, palette::kCurtainFold);
    p.fillRect(QRectF(0, 0, kArenaLeft + 8, kTitleHeight), drape);
    // Folds of the drape.
    p.setPen(QPen(palette::kCurtainFold, 3));
    for (double x = 14; x < kArenaLeft; x += 26)
        p.drawLine(QPointF(x, 0), QPointF(x, kTitleHeight));
    // A gold rope along the top and the foot.
    p.setPen(QPen(palette::kGold, 4));
    p.drawLine(QPointF(0, 5), QPointF(kArenaLeft, 5));
    p.drawLine(QPointF(0, kTitleHeight - 5), QPointF(kArenaLeft, kTitleHeight - 5));
    const double centre = kArenaLeft / 2;
    if (language == Language::Japanese) {
        DrawEdgedText(p, QStringLiteral("ケルマー"), GothicFont(44, true), centre, 84,
                      palette::kGold);
        DrawEdgedText(p, QStringLiteral("番付をのぼれ"), GothicFont(18, true), centre, 124,
                      palette::kChalk);
        return;
    }
    // Latin words in the proportional face: the fixed one spaces them apart.
    QFont name = PGothicFont(46, true);
    name.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    DrawEdgedText(p, QStringLiteral("Kelmar"), name, centre, 84, palette::kGold);
    DrawEdgedText(p, QStringLiteral("Climb the banzuke"), PGothicFont(19, true), centre, 124,
                  palette::kChalk);
}

}  // namespace

QImage DrawTitle(Language language) {
    return Supersampled(QSize(kTitleWidth, kTitleHeight), 4, [&](QPainter& p) {
        p.save();
        p.translate(kArenaLeft, 0);
        DrawArena(p);
        DrawGyoji(p, QPointF(120, 96), 0);
        DrawBoutFigures(p, 'a');
        p.restore();
        DrawBanner(p, language);
        // The drape's edge over the arena's.
        p.setPen(QPen(palette::kGoldDark, 2));
        p.drawLine(QPointF(kArenaLeft + 8, 0), QPointF(kArenaLeft + 8, kTitleHeight));
    });
}

}  // namespace kelmar::pictures
