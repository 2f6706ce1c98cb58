#include "pictures/preview.h"

#include <QPainter>
#include <stdexcept>

#include "pictures/canvas.h"
#include "pictures/figure.h"
#include "pictures/look.h"
#include "pictures/sheet.h"
#include "state/strings.h"

namespace kelmar::pictures {

namespace {

QImage Load(const QDir& dir, const QString& name) {
    QImage image(dir.filePath(name));
    if (image.isNull()) throw std::runtime_error("cannot read " + name.toStdString());
    return image.convertToFormat(QImage::Format_RGB32);
}

void SavePng(const QImage& image, const QDir& dir, const QString& name, int scale) {
    const QImage big = image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!big.save(dir.filePath(name))) throw std::runtime_error("cannot write " + name.toStdString());
}

// The copy that turns the black pixels of a cell into a highlight colour.
void CopyRecoloured(QPainter& p, const QRect& to, const QImage& sheet, const QRect& from,
                    const QColor& colour) {
    QImage cell = sheet.copy(from);
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            if ((cell.pixel(x, y) & 0xFFFFFF) == 0) cell.setPixel(x, y, colour.rgb());
    p.drawImage(to, cell);
}

// A league for the previews: slots 1..31 from the roster, the first juryo
// name in slot 32 as the player's rikishi.
std::string SlotName(const GameState& league, int slot) {
    return slot <= kRosterSlots ? league.NameOfWres[slot] : league.Juryo[1];
}

QImage Scoreboard(const GameState& league, const QDir& pictures) {
    const QImage sheet = Load(pictures, QString::fromUtf8("力士.bmp"));
    QImage board = WhitePicture(QSize(425, 161));
    QPainter p(&board);
    const std::string& line = league.Match[1];
    const char* techniques[] = {"oshi.bmp", "hiki.bmp", "nage.bmp"};
    for (int i = 1; i <= 16; ++i) {
        const int pair[2] = {StrToInt(Copy(line, 4 * i - 3, 2)), StrToInt(Copy(line, 4 * i - 1, 2))};
        for (int side = 0; side < 2; ++side) {
            const int n = PortraitNumber(SlotName(league, pair[side]));
            for (int j = 1; j <= 3; ++j)
                p.drawImage(QRect(24 * (16 - i) + 30, 18 * j + 72 * side, 18, 18), sheet,
                            PortraitTile(n, j));
        }
        const int x = 410 - 24 * i;
        if (i > 12) {  // bouts still to come: both lamps lit
            p.drawImage(QPoint(x, 0), Load(pictures, "On.bmp"));
            p.drawImage(QPoint(x, 142), Load(pictures, "On.bmp"));
            continue;
        }
        const bool eastWins = (i * 7) % 3 != 0;
        p.drawImage(QPoint(x, eastWins ? 142 : 0), Load(pictures, "Off.bmp"));
        p.drawImage(QPoint(x, eastWins ? 0 : 142), Load(pictures, "On.bmp"));
        if (pictures.exists(techniques[i % 3]))
            p.drawImage(QPoint(x, 70), Load(pictures, techniques[i % 3]));
    }
    return board;
}

QImage Chart(const GameState& league, const QDir& pictures) {
    const QImage sheet = Load(pictures, QString::fromUtf8("力士.bmp"));
    QImage chart = WhitePicture(QSize(430, 330));
    QPainter p(&chart);
    const int day = 10;
    for (int slot = 1; slot <= kSlots; ++slot) {
        const int x0 = slot <= 16 ? 0 : 216;
        const int y = 18 * (slot <= 16 ? slot : slot - 16);
        const int code = slot <= kRosterSlots ? StrToInt(league.Stage[slot]) : 5;
        const int wins = (slot * 5 + 3) % (day + 1);
        const int experience = slot <= kRosterSlots ? league.E[slot] : 4;
        p.drawImage(QRect(x0, y, 31, 17), sheet, RankCell(code));
        if (wins >= 8)
            CopyRecoloured(p, QRect(x0 + 100, y, 15, 17), sheet, DigitCell(wins), Qt::red);
        else
            p.drawImage(QRect(x0 + 100, y, 15, 17), sheet, DigitCell(wins));
        p.drawImage(QRect(x0 + 116, y, 15, 17), sheet, SeparatorCell());
        p.drawImage(QRect(x0 + 132, y, 15, 17), sheet, DigitCell(day - wins));
        for (int j = 1; j <= std::min(4, experience / 10); ++j)
            p.drawImage(QRect(x0 + 140 + 12 * j, y, 11, 17), sheet, StarCell());
        const QRect plate(x0 + 40, y, 53, 17);
        const int n = PortraitNumber(SlotName(league, slot));
        if (slot == kPlayerEntrySlot)
            CopyRecoloured(p, plate, sheet, PlateCell(n), Qt::blue);
        else
            p.drawImage(plate, sheet, PlateCell(n));
    }
    return chart;
}

QImage Films(const QDir& pictures) {
    QImage strip = WhitePicture(QSize(4 * 244 + 4, 4 * 164 + 4));
    QPainter p(&strip);
    for (int k = 0; k < 13; ++k) {
        const QString name = QString(QChar('a' + k)) + ".bmp";
        if (!pictures.exists(name)) continue;
        const QImage frame = Load(pictures, name);
        const int slot = k == 0 ? 0 : k + 3;  // a alone on the first row
        p.drawImage(QPoint(4 + 244 * (slot % 4), 4 + 164 * (slot / 4)), frame);
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
    if (!previews.mkpath(".")) throw std::runtime_error("cannot make the preview folder");
    SavePng(Load(pictures, QString::fromUtf8("力士.bmp")), previews, "sheet.png", 2);
    SavePng(Scoreboard(league, pictures), previews, "scoreboard.png", 3);
    SavePng(Chart(league, pictures), previews, "chart.png", 2);
    SavePng(Films(pictures), previews, "films.png", 1);
    SavePng(Figures(), previews, "figures.png", 3);
}

}  // namespace kelmar::pictures
