#include "pictures/preview.h"

#include <QPainter>
#include <stdexcept>

#include "banzuke/procedures.h"
#include "basho/procedures.h"
#include "desktop/bout_card_drawing.h"
#include "desktop/chart_drawing.h"
#include "desktop/pixel_view.h"
#include "pictures/canvas.h"
#include "pictures/figure.h"
#include "pictures/look.h"

namespace kelmar::pictures {

namespace {

QImage Load(const QDir& dir, const QString& name) {
    QImage image(dir.filePath(name));
    if (image.isNull())
        throw std::runtime_error("cannot read " + name.toStdString());
    return image.convertToFormat(QImage::Format_RGB32);
}

void SavePng(const QImage& image, const QDir& dir, const QString& name, int scale) {
    const QImage big =
        image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!big.save(dir.filePath(name)))
        throw std::runtime_error("cannot write " + name.toStdString());
}

// The shipped league on day 10 of a basho, with a player's rikishi in slot 32
// taken from the juryo names, and wins spread so that red digits show.
GameState DayTen(GameState league) {
    constexpr int kDay = 10;
    league.NameOfWres[kPlayerEntrySlot] = league.Juryo[1];
    league.Stage[kPlayerEntrySlot] = "5";
    league.Age[kPlayerEntrySlot] = kPlayerAgeMark + 21;
    league.E[kPlayerEntrySlot] = 4;
    league.Torikumiday = kDay;
    for (int slot = 1; slot <= kSlots; ++slot) league.W[slot] = (slot * 5 + 3) % (kDay + 1);
    return league;
}

// The scoreboard and the chart as the game draws them, with its own drawing
// code, from the pictures in the current folder.
QImage Scoreboard(const GameState& state, bool finished) {
    QImage board = WhiteSurface(QSize(425, 161));
    DrawBoutCard(DayCardOf(state), board);
    const DayPictures pictures = DayPictures::Load();
    for (int bout = 1; bout <= 16; ++bout) {
        pictures.LightLamps(board, bout);
        if (!finished && bout > 12)
            continue;
        pictures.DrawTechnique(board, bout, 1 + bout % 3);
        pictures.PutOutLamp(board, bout, (bout * 7) % 3 ? Side::West : Side::East);
    }
    return board;
}

QImage Chart(const GameState& state) {
    QImage chart = WhiteSurface(QSize(425, 321));
    DrawChart(ChartRowsOf(state), chart, Language::Japanese);
    return chart;
}

QImage Films(const QDir& pictures) {
    QImage strip = WhitePicture(QSize(4 * 244 + 4, 4 * 164 + 4));
    QPainter p(&strip);
    for (int k = 0; k < 13; ++k) {
        const QString name = QString(QChar('a' + k)) + ".bmp";
        const int slot = k == 0 ? 0 : k + 3;  // a alone on the first row
        p.drawImage(QPoint(4 + 244 * (slot % 4), 4 + 164 * (slot / 4)), Load(pictures, name));
    }
    return strip;
}

// The figures alone, large: face-on as in the portraits, and from the side
// standing, leaning and crouched as in the films.
QImage Figures() {
    return Supersampled(QSize(360, 110), 4, [](QPainter& p) {
        for (int k = 0; k < 4; ++k) {
            p.save();
            p.translate(6 + 22 * k, 4);
            p.scale(1.1, 1.1);
            DrawFrontFigure(p, LookFor(1 + k * 5));
            p.restore();
        }
        const double leans[] = {0, 30, 66};
        for (int k = 0; k < 3; ++k) {
            Pose pose;
            pose.hip = QPointF(130 + 80 * k, 70);
            pose.lean = leans[k];
            if (k == 2) {
                pose.hip.ry() += 4;
                pose.lean = 62;
                pose.frontFoot = {14, 26};
                pose.backFoot = {-10, 26};
                pose.frontHand = {30, 24};
                pose.backHand = {26, 25};
                pose.headTurn = -40;
            }
            DrawSideFigure(p, LookFor(2 + k), pose);
        }
    });
}

}  // namespace

void WritePreviews(const GameState& league, const QDir& pictures, const QDir& previews) {
    if (!previews.mkpath("."))
        throw std::runtime_error("cannot make the preview folder");
    SavePng(Load(pictures, QString::fromUtf8("力士.bmp")), previews, "sheet.png", 2);
    SavePng(Films(pictures), previews, "films.png", 1);
    SavePng(Figures(), previews, "figures.png", 3);
    // The game's drawing reads its pictures from the current folder.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(pictures.absolutePath());
    try {
        const GameState day = DayTen(league);
        SavePng(Scoreboard(day, false), previews, "scoreboard.png", 3);
        SavePng(Scoreboard(day, true), previews, "scoreboard-finished.png", 3);
        SavePng(Chart(day), previews, "chart.png", 2);
    } catch (...) {
        QDir::setCurrent(previous);
        throw;
    }
    QDir::setCurrent(previous);
}

}  // namespace kelmar::pictures
