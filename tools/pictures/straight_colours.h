// Premultiplied colours back to straight ones, the same on every processor.
// Qt's own conversion divides by the alpha through the processor's
// approximate reciprocal, whose last bit differs between processors: a
// channel that falls on a half (75 of alpha 90 is 212.5) came out 213 on one
// machine and 212 on another, and the icon's translucent rim with it. Used by
// the picture generator and by the build's scaling of the icon.
#pragma once

#include <QImage>
#include <QRgb>

namespace kelmar::pictures {

// Each channel rounded to the nearest and halves up, in integers.
inline QRgb Unpremultiplied(QRgb pixel) {
    const int alpha = qAlpha(pixel);
    if (alpha == 0)
        return 0;
    auto straight = [alpha](int channel) { return (channel * 255 * 2 + alpha) / (alpha * 2); };
    return qRgba(straight(qRed(pixel)), straight(qGreen(pixel)), straight(qBlue(pixel)), alpha);
}

inline QImage Unpremultiplied(const QImage& premultiplied) {
    const QImage source = premultiplied.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage image(source.size(), QImage::Format_ARGB32);
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        QRgb* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < source.width(); ++x) to[x] = Unpremultiplied(from[x]);
    }
    return image;
}

}  // namespace kelmar::pictures
