#include "synthetic_pictures.h"

#include "desktop/game_text.h"
#include "state/errors.h"
#include "state/roster.h"
#include "support/game_folder.h"

namespace kelmar::testing {

namespace {

constexpr int kGlyphsFrom = sheet::kStripTop;  // the chart's strip and the name plates
constexpr QRgb kMarker = 0x80;                 // set in every coded colour's blue

bool IsGlyph(int x, int y) {
    return y >= kGlyphsFrom && (x + 2 * y) % 7 == 0;
}

QString Describe(QPoint p, QRgb got, QRgb want) {
    return QStringLiteral("pixel (%1, %2) is %3, expected %4")
        .arg(p.x())
        .arg(p.y())
        .arg(got & 0xFFFFFF, 6, 16, QLatin1Char('0'))
        .arg(want & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

}  // namespace

QRgb SheetColour(int x, int y) {
    if (IsGlyph(x, y))
        return qRgb(0, 0, 0);
    return qRgb(x & 0xFF, y & 0xFF, static_cast<int>(kMarker | ((x >> 8) << 2) | (y >> 8)));
}

QPoint SheetPlace(QRgb colour) {
    const int b = qBlue(colour);
    if ((b & kMarker) == 0)
        return QPoint(-1, -1);
    return QPoint(qRed(colour) | ((b >> 2) & 3) << 8, qGreen(colour) | (b & 3) << 8);
}

QImage SyntheticSheet(QSize size) {
    QImage sheet(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) sheet.setPixel(x, y, SheetColour(x, y));
    return sheet;
}

void SavePicture(const GameFolder& folder, const std::string& name, const QImage& picture) {
    const std::string path = folder.path() + "/" + name;
    if (!picture.save(QString::fromStdString(path), "BMP"))
        throw std::runtime_error("cannot write " + path);
}

QImage SolidPicture(QSize size, QRgb colour) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

QString CheckCopied(const QImage& image, const QRect& dst, const QRect& src,
                    std::optional<QRgb> highlight) {
    const QRect clip = dst & image.rect();
    for (int y = clip.top(); y <= clip.bottom(); ++y)
        for (int x = clip.left(); x <= clip.right(); ++x) {
            const int sx = src.left() + (x - dst.left()) * src.width() / dst.width();
            const int sy = src.top() + (y - dst.top()) * src.height() / dst.height();
            QRgb want = SheetColour(sx, sy);
            if (highlight && (want & 0xFFFFFF) == 0)
                want = *highlight;
            const QRgb got = image.pixel(x, y);
            if ((got & 0xFFFFFF) != (want & 0xFFFFFF))
                return Describe({x, y}, got, want);
        }
    return {};
}

QString CheckFilled(const QImage& image, const QRect& area, QRgb colour) {
    const QRect clip = area & image.rect();
    for (int y = clip.top(); y <= clip.bottom(); ++y)
        for (int x = clip.left(); x <= clip.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (colour & 0xFFFFFF))
                return Describe({x, y}, image.pixel(x, y), colour);
    return {};
}

int GlyphPixels(const QRect& cell) {
    int count = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x) count += IsGlyph(x, y) ? 1 : 0;
    return count;
}

QString PictureErrorText(const std::function<void()>& draw) {
    try {
        draw();
    } catch (const PictureError& e) {
        return FromGame(e.what());
    }
    return QStringLiteral("no PictureError");
}

QString CannotOpen(const GameFolder& folder, const QString& name) {
    return QStringLiteral("ﾌｧｲﾙ %1/%2 は開けません")
        .arg(QString::fromStdString(folder.path()), name);
}

GameState ShippedLeagueOnDay(int day) {
    GameState state;
    LoadRoster(state);
    LoadMatchTable(state);
    LoadJuryoNames(state);
    state.NameOfWres[kPlayerEntrySlot] = state.Juryo[5];
    state.Stage[kPlayerEntrySlot] = std::string(1, '5');  // GCC 12's false -Wrestrict on a literal
    state.Age[kPlayerEntrySlot] = kPlayerAgeMark + 22;
    state.Torikumiday = day;
    for (int s = 1; s <= kSlots; ++s) {
        state.W[s] = (s * 7) % (day + 1);
        state.E[s] = 50 - 3 * s;
    }
    return state;
}

}  // namespace kelmar::testing
