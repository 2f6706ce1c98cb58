#include "pictures/canvas.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <stdexcept>

namespace kelmar::pictures {

QImage Supersampled(QSize size, int factor, const Drawing& draw, const QColor& ground) {
    QImage big(size * factor, QImage::Format_ARGB32_Premultiplied);
    big.fill(ground);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(factor, factor);
        draw(p);
    }
    const QImage small = big.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // On an opaque ground every pixel is opaque and Qt's conversion is exact.
    if (ground.alpha() == 255)
        return small.convertToFormat(QImage::Format_RGB32);
    return Unpremultiplied(small);
}

QImage WhitePicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

namespace {

// The family of a font file that fonts-ipafont-gothic installs, loaded once.
QString FamilyOf(const char* file, const char* fallbackFile, const char* family) {
    for (const char* path : {file, fallbackFile}) {
        if (path == nullptr)
            continue;
        const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(path));
        if (id >= 0)
            return QFontDatabase::applicationFontFamilies(id).value(0);
    }
    return QString::fromUtf8(family);
}

QFont Font(const QString& family, const char* expected, int pixelSize, bool antialiased) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(antialiased ? QFont::PreferAntialias : QFont::NoAntialias);
    if (QFontInfo(font).family() != QString::fromUtf8(expected))
        throw std::runtime_error(std::string("the ") + expected +
                                 " font (fonts-ipafont-gothic) is not installed");
    return font;
}

}  // namespace

QFont GothicFont(int pixelSize, bool antialiased) {
    static const QString family =
        FamilyOf("/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf",
                 "/usr/share/fonts/truetype/fonts-japanese-gothic.ttf", "IPAGothic");
    return Font(family, "IPAGothic", pixelSize, antialiased);
}

QFont PGothicFont(int pixelSize, bool antialiased) {
    static const QString family =
        FamilyOf("/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf", nullptr, "IPAPGothic");
    return Font(family, "IPAPGothic", pixelSize, antialiased);
}

QByteArray BmpBytes(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();
    const int stride = (w * 3 + 3) / 4 * 4;
    const quint32 pixelBytes = static_cast<quint32>(stride) * static_cast<quint32>(h);
    QByteArray out;
    auto put16 = [&out](quint32 v) {
        out.append(char(v & 0xFF));
        out.append(char((v >> 8) & 0xFF));
    };
    auto put32 = [&put16](quint32 v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    out.append("BM");
    put32(14 + 40 + pixelBytes);  // file size
    put32(0);                     // reserved
    put32(14 + 40);               // offset of the pixels
    put32(40);                    // BITMAPINFOHEADER
    put32(static_cast<quint32>(w));
    put32(static_cast<quint32>(h));  // positive: bottom-up
    put16(1);                        // planes
    put16(24);                       // bits per pixel
    put32(0);                        // BI_RGB
    put32(pixelBytes);
    put32(2835);  // 72 dots per inch
    put32(2835);
    put32(0);
    put32(0);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            out.append(char(qBlue(row[x])));
            out.append(char(qGreen(row[x])));
            out.append(char(qRed(row[x])));
        }
        for (int pad = w * 3; pad < stride; ++pad) out.append('\0');
    }
    return out;
}

void WriteBmp(const QImage& image, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(BmpBytes(image)) < 0)
        throw std::runtime_error("cannot write " + path.toStdString());
}

}  // namespace kelmar::pictures
