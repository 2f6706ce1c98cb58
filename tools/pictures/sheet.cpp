#include "pictures/sheet.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <array>
#include <functional>
#include <stdexcept>
#include <vector>

#include "desktop/picture_copy.h"
#include "pictures/canvas.h"
#include "pictures/figure.h"
#include "pictures/glyphs.h"
#include "pictures/latin.h"
#include "pictures/look.h"
#include "pictures/palette.h"
#include "state/encoding.h"
#include "state/picture_sheet.h"
#include "state/rank.h"

namespace kelmar::pictures {

namespace {

using sheet::kTileHeight;
using sheet::kTileWidth;
constexpr int kShown = 18;

QRect Rect(const sheet::Cell& cell) {
    return QRect(cell.left, cell.top, cell.width, cell.height);
}
QRect PortraitTile(int n, int j) {
    return Rect(sheet::PortraitTile(n, j));
}
QRect StarCell() {
    return Rect(sheet::StarCell());
}

// For each pixel of a 24 x 23 tile, the pixel of the 18 x 18 design it
// repeats. The day card squeezes a tile into 18 x 18 with the game's own
// nearest-pixel copy: the source pixels that copy reads carry the design
// exactly, the ones it skips repeat a neighbour, so the card shows the figure
// as drawn.
struct TileMap {
    std::array<int, kTileWidth> column{};
    std::array<int, kTileHeight> row{};
};

const TileMap& SqueezeMap() {
    static const TileMap map = [] {
        QImage probe(kTileWidth, kTileHeight, QImage::Format_RGB32);
        for (int y = 0; y < kTileHeight; ++y)
            for (int x = 0; x < kTileWidth; ++x) probe.setPixel(x, y, qRgb(x, y, 0));
        QImage shown(kShown, kShown, QImage::Format_RGB32);
        CopyRect(shown, shown.rect(), probe, probe.rect());
        TileMap m;
        m.column.fill(-1);
        m.row.fill(-1);
        for (int i = 0; i < kShown; ++i) {
            m.column[qRed(shown.pixel(i, 0))] = i;
            m.row[qGreen(shown.pixel(0, i))] = i;
        }
        for (int x = 1; x < kTileWidth; ++x)
            if (m.column[x] < 0)
                m.column[x] = m.column[x - 1];
        for (int y = 1; y < kTileHeight; ++y)
            if (m.row[y] < 0)
                m.row[y] = m.row[y - 1];
        return m;
    }();
    return map;
}

void PutPortrait(QImage& sheet, int n) {
    const QImage design = DrawPortrait(n);
    const TileMap& map = SqueezeMap();
    for (int j = 1; j <= 3; ++j) {
        const QRect tile = PortraitTile(n, j);
        for (int y = 0; y < kTileHeight; ++y)
            for (int x = 0; x < kTileWidth; ++x)
                sheet.setPixel(tile.left() + x, tile.top() + y,
                               design.pixel(map.column[x], kShown * (j - 1) + map.row[y]));
    }
}

QImage DrawStar() {
    return Supersampled(StarCell().size(), 8, [](QPainter& p) {
        QPainterPath star;
        const QPointF centre(7.5, 8.7);
        for (int k = 0; k < 10; ++k) {
            const double r = k % 2 ? 2.9 : 7.0;
            const double a = qDegreesToRadians(-90.0 + 36.0 * k);
            const QPointF point = centre + r * QPointF(std::cos(a), std::sin(a));
            k == 0 ? star.moveTo(point) : star.lineTo(point);
        }
        star.closeSubpath();
        p.setPen(QPen(palette::kInk, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(palette::kGold);
        p.drawPath(star);
    });
}

}  // namespace

QImage DrawPortrait(int n) {
    const Look look = LookFor(n);
    return Supersampled(QSize(kShown, 3 * kShown), 8, [&look](QPainter& p) {
        p.scale(kShown / kFrontWidth, 3 * kShown / kFrontHeight);
        DrawFrontFigure(p, look);
    });
}

namespace {

using CellDrawing = std::function<void(QImage& sheet, const QRect& cell, int number)>;

// A sheet with the portraits and plates of these numbers, the rank words and
// the strip's digits, separator and star; the words as `plate` and `rank`
// draw them.
QImage Sheet(const std::vector<int>& numbers, const CellDrawing& plate, const CellDrawing& rank) {
    QImage sheet = WhitePicture(QSize(sheet::kWidth, sheet::kHeight));
    for (int n : numbers) {
        if (n < 1 || n > sheet::kPortraits)
            throw std::runtime_error("portrait number " + std::to_string(n) + " has no cell");
        PutPortrait(sheet, n);
        plate(sheet, Rect(sheet::PlateCell(n)), n);
    }
    for (int code = 1; code <= sheet::kRanks; ++code)
        rank(sheet, Rect(sheet::RankCell(code)), code);
    for (int d = 0; d < sheet::kDigits; ++d) DrawNumber(sheet, Rect(sheet::DigitCell(d)), d);
    DrawSeparator(sheet, Rect(sheet::SeparatorCell()));
    QPainter p(&sheet);
    p.drawImage(StarCell().topLeft(), DrawStar());
    return sheet;
}

template <typename Names>
std::vector<int> NumbersOf(const Names& names) {
    std::vector<int> numbers;
    for (const auto& entry : names) numbers.push_back(entry.first);
    return numbers;
}

}  // namespace

QImage DrawSheet(const std::map<int, QString>& names) {
    return Sheet(
        NumbersOf(names),
        [&names](QImage& sheet, const QRect& cell, int n) {
            DrawSpreadText(sheet, cell, names.at(n), 15);
        },
        [](QImage& sheet, const QRect& cell, int code) {
            DrawSpreadText(sheet, cell, QString::fromStdString(ShiftJisToUtf8(RankWord(code))), 15);
        });
}

QImage DrawEnglishSheet(const std::map<int, std::string>& readings) {
    return Sheet(
        NumbersOf(readings),
        [&readings](QImage& sheet, const QRect& cell, int n) {
            DrawLatinPlate(sheet, cell, readings.at(n));
        },
        [](QImage& sheet, const QRect& cell, int code) { DrawRankLetter(sheet, cell, code); });
}

}  // namespace kelmar::pictures
