// The desktop's side of the game's pictures. canvas/ reads, copies and
// composes them for every frontend; here a QImage becomes a view of canvas
// pixels and a canvas picture becomes a QImage, neither copying a pixel.
// Rectangles are left and top inclusive, right and bottom exclusive, as the
// sheet's cells are given; every copy goes pixel for pixel and is never
// smoothed.
#pragma once

#include <QImage>
#include <QRect>
#include <string>

#include "canvas/picture.h"

namespace kelmar {

// The image's own pixels for canvas/ to draw into. An image that is not
// 32-bit is turned into 32-bit RGB first, and a shared one is detached.
canvas::View PixelsOf(QImage& image);

// An image over the picture's pixels, which it takes over and releases with
// its last copy. Format_RGB32; null for an empty picture.
QImage ImageOf(canvas::Picture picture);

// Reads a Windows bitmap file as 32-bit RGB with canvas/'s reader. Raises
// PictureError with the path when the file is missing or is not a bitmap.
QImage LoadPicture(const std::string& path);

// The rectangle from (left, top) up to, not including, (right, bottom).
inline QRect Span(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

// canvas::CopyRect on images: srcRect of src onto dstRect of dst, stretched or
// squeezed to the nearest pixel when the sizes differ; destination pixel
// (dx, dy), counted from dstRect's corner, takes the source pixel
//     (srcLeft + dx * srcWidth / dstWidth, srcTop + dy * srcHeight / dstHeight)
// with integer division. What falls outside dst is clipped; a source
// rectangle that does not lie wholly on src draws nothing.
void CopyRect(QImage& dst, const QRect& dstRect, const QImage& src, const QRect& srcRect);

// The same copy, with every pure black source pixel drawn in `colour` (the
// red of eight wins, the blue of the player's plate).
void CopyRectHighlight(QImage& dst, const QRect& dstRect, const QImage& src, const QRect& srcRect,
                       QRgb colour);

// A picture drawn at its own size with its top-left corner at `at`.
void DrawPicture(QImage& dst, QPoint at, const QImage& picture);

}  // namespace kelmar
