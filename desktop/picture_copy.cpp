#include "desktop/picture_copy.h"

#include <QImageReader>
#include <QString>
#include <cstdint>
#include <vector>

#include "state/encoding.h"
#include "state/errors.h"

namespace kelmar {

namespace {

constexpr QRgb kColourBits = 0x00FFFFFF;
constexpr QRgb kOpaque = 0xFF000000;

bool Is32Bit(const QImage& image) {
    const QImage::Format f = image.format();
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
           f == QImage::Format_ARGB32_Premultiplied;
}

// The source pixel a destination offset reads.
int SourceIndex(int offset, int srcStart, int srcLength, int dstLength) {
    return srcStart + static_cast<int>(int64_t{offset} * srcLength / dstLength);
}

template <typename Paint>
void CopyPixels(QImage& dst, const QRect& dstRect, const QImage& src, const QRect& srcRect,
                Paint paint) {
    if (dstRect.isEmpty() || srcRect.isEmpty() || !src.rect().contains(srcRect))
        return;
    const QRect clip = dstRect & dst.rect();
    if (clip.isEmpty())
        return;
    if (!Is32Bit(dst))
        dst.convertTo(QImage::Format_RGB32);
    const QImage source = Is32Bit(src) ? src : src.convertToFormat(QImage::Format_RGB32);

    std::vector<int> column(static_cast<size_t>(clip.width()));
    for (int x = clip.left(); x <= clip.right(); ++x)
        column[static_cast<size_t>(x - clip.left())] =
            SourceIndex(x - dstRect.left(), srcRect.left(), srcRect.width(), dstRect.width());
    for (int y = clip.top(); y <= clip.bottom(); ++y) {
        const int sy =
            SourceIndex(y - dstRect.top(), srcRect.top(), srcRect.height(), dstRect.height());
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
        auto* to = reinterpret_cast<QRgb*>(dst.scanLine(y)) + clip.left();
        for (size_t i = 0; i < column.size(); ++i) to[i] = paint(from[column[i]]);
    }
}

}  // namespace

QImage LoadPicture(const std::string& path) {
    QImageReader reader(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())), "bmp");
    QImage picture = reader.read();
    // The file name is UTF-8 on disk; the game's message is Shift-JIS.
    if (picture.isNull())
        throw PictureError(Utf8ToShiftJis(path));
    return picture.convertToFormat(QImage::Format_RGB32);
}

void CopyRect(QImage& dst, const QRect& dstRect, const QImage& src, const QRect& srcRect) {
    CopyPixels(dst, dstRect, src, srcRect, [](QRgb p) { return p | kOpaque; });
}

void CopyRectHighlight(QImage& dst, const QRect& dstRect, const QImage& src, const QRect& srcRect,
                       QRgb colour) {
    const QRgb highlight = (colour & kColourBits) | kOpaque;
    CopyPixels(dst, dstRect, src, srcRect,
               [highlight](QRgb p) { return (p & kColourBits) == 0 ? highlight : p | kOpaque; });
}

void DrawPicture(QImage& dst, QPoint at, const QImage& picture) {
    CopyRect(dst, QRect(at, picture.size()), picture, picture.rect());
}

}  // namespace kelmar
