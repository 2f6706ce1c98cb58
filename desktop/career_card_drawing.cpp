#include "desktop/career_card_drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "desktop/language_choice.h"
#include "desktop/window_layout.h"
#include "lang/pictures.h"
#include "state/text_file.h"

namespace kelmar {

namespace {

QColor Colour(uint32_t rgb) {
    return QColor(static_cast<int>((rgb >> 16) & 0xff), static_cast<int>((rgb >> 8) & 0xff),
                  static_cast<int>(rgb & 0xff));
}

QRect RectOf(const CardRect& r) {
    return QRect(r.left, r.top, r.width, r.height);
}

// Ten corners about (x, y), the top one first, as the page's star.
QPolygonF Star(double x, double y, double r) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? r : r * 0.45;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        star << QPointF(x + radius * std::cos(angle), y + radius * std::sin(angle));
    }
    return star;
}

void DrawTrajectory(QPainter& painter, const CareerCard& card) {
    const QRect frame = RectOf(card.trajectory);
    painter.fillRect(frame, Qt::white);
    painter.setPen(QPen(Colour(card.border), 1));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Colour(card.line), 1));
    for (size_t i = 1; i < card.points.size(); ++i)
        painter.drawLine(QPoint(card.points[i - 1].x, card.points[i - 1].y),
                         QPoint(card.points[i].x, card.points[i].y));
    const int radius = card.points.size() > 60 ? 2 : 3;
    painter.setPen(Qt::NoPen);
    for (const CardPoint& p : card.points) {
        painter.setBrush(Colour(p.colour));
        painter.drawEllipse(QPoint(p.x, p.y), radius, radius);
    }
    painter.setPen(QPen(QColor(0x80, 0x60, 0x00), 1));
    painter.setBrush(Colour(card.star));
    for (const CardPoint& p : card.points)
        if (p.champion)
            painter.drawPolygon(Star(p.x, p.y, 7));
}

}  // namespace

QImage DrawCareerCard(const CareerCard& card) {
    QImage image(card.width, card.height, QImage::Format_RGB32);
    image.fill(Colour(card.paper));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const int b = card.borderWidth;
    painter.setPen(QPen(Colour(card.border), b));
    painter.drawRect(QRectF(b / 2.0, b / 2.0, card.width - b, card.height - b));
    // The title picture; a folder without it leaves the paper there.
    const QImage title(QString::fromStdString(GameFolderPath(TitlePictureIn(ShownLanguage()))));
    if (!title.isNull())
        painter.drawImage(RectOf(card.title), title);
    DrawTrajectory(painter, card);
    for (const CardText& t : card.texts) {
        QFont font = GothicFont(t.size);
        font.setBold(t.bold);
        painter.setFont(font);
        painter.setPen(Colour(t.colour));
        painter.drawText(QPoint(t.x, t.y), QString::fromStdString(t.text));
    }
    return image;
}

}  // namespace kelmar
