// Drawing surfaces of the generator: pictures drawn larger and scaled down for
// clean edges, the fonts, and the bitmap files the game reads.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <functional>

#include "pictures/straight_colours.h"

namespace kelmar::pictures {

using Drawing = std::function<void(QPainter&)>;

// A picture of `size` pixels drawn `factor` times larger with antialiasing and
// scaled down smoothly. The drawing sees the picture's own coordinates. A
// ground that is not opaque gives a picture with an alpha channel.
QImage Supersampled(QSize size, int factor, const Drawing& draw, const QColor& ground = Qt::white);

// A white picture of `size`.
QImage WhitePicture(QSize size);

// The Gothic face of the game (IPAGothic) at a pixel size; raises a
// std::runtime_error when the font is not installed, since another face would
// change every picture.
QFont GothicFont(int pixelSize, bool antialiased);
// Its proportional face (IPAPGothic), for Latin letters set as words.
QFont PGothicFont(int pixelSize, bool antialiased);

// Writes a Windows bitmap: 24 bits a pixel, rows bottom-up, no compression and
// nothing that changes between runs.
void WriteBmp(const QImage& image, const QString& path);

// The same bitmap as bytes.
QByteArray BmpBytes(const QImage& image);

}  // namespace kelmar::pictures
