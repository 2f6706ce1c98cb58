#include "desktop/picture_copy.h"

#include "canvas/bitmap.h"

namespace kelmar {

namespace {

bool Is32Bit(const QImage& image) {
    const QImage::Format f = image.format();
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
           f == QImage::Format_ARGB32_Premultiplied;
}

// A 32-bit image of the source: itself, or a converted copy.
QImage Source(const QImage& src) {
    return Is32Bit(src) ? src : src.convertToFormat(QImage::Format_RGB32);
}

canvas::ConstView ConstPixelsOf(const QImage& image) {
    return {reinterpret_cast<const canvas::Pixel*>(image.constBits()), image.width(),
            image.height(), static_cast<int>(image.bytesPerLine() / 4)};
}

canvas::Rect RectOf(const QRect& r) {
    return canvas::Rect(r.left(), r.top(), r.width(), r.height());
}

}  // namespace

canvas::View PixelsOf(QImage& image) {
    if (!Is32Bit(image))
        image.convertTo(QImage::Format_RGB32);
    return {reinterpret_cast<canvas::Pixel*>(image.bits()), image.width(), image.height(),
            static_cast<int>(image.bytesPerLine() / 4)};
}

QImage ImageOf(canvas::Picture picture) {
    if (picture.empty())
        return QImage();
    auto* owned = new canvas::Picture(std::move(picture));
    return QImage(
        reinterpret_cast<uchar*>(owned->data()), owned->width(), owned->height(),
        static_cast<qsizetype>(owned->width()) * 4, QImage::Format_RGB32,
        [](void* p) { delete static_cast<canvas::Picture*>(p); }, owned);
}

QImage LoadPicture(const std::string& path) {
    return ImageOf(canvas::ReadPicture(path));
}

void CopyRect(QImage& dst, const QRect& dstRect, const QImage& src, const QRect& srcRect) {
    const QImage source = Source(src);
    canvas::CopyRect(PixelsOf(dst), RectOf(dstRect), ConstPixelsOf(source), RectOf(srcRect));
}

void CopyRectHighlight(QImage& dst, const QRect& dstRect, const QImage& src, const QRect& srcRect,
                       QRgb colour) {
    const QImage source = Source(src);
    canvas::CopyRectHighlight(PixelsOf(dst), RectOf(dstRect), ConstPixelsOf(source),
                              RectOf(srcRect), colour);
}

void DrawPicture(QImage& dst, QPoint at, const QImage& picture) {
    CopyRect(dst, QRect(at, picture.size()), picture, picture.rect());
}

}  // namespace kelmar
