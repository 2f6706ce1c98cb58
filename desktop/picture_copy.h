// The one copy routine of the game's pictures. Rectangles are left and top
// inclusive, right and bottom exclusive, as the sheet's cells are given; every
// copy goes pixel for pixel and is never smoothed.
#pragma once

#include <QImage>
#include <QRect>
#include <string>

namespace kelmar {

// Reads a Windows bitmap file as 32-bit RGB. Raises PictureError with the
// path when the file is missing or is not a bitmap.
QImage LoadPicture(const std::string& path);

// The rectangle from (left, top) up to, not including, (right, bottom).
inline QRect Span(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

// Copies srcRect of src onto dstRect of dst: pixel for pixel when the sizes
// are equal, otherwise stretched or squeezed to fill dstRect, nearest pixel,
// like a plain stretch blit: destination pixel (dx, dy), counted from
// dstRect's corner, takes the source pixel
//     (srcLeft + dx * srcWidth / dstWidth, srcTop + dy * srcHeight / dstHeight)
// with integer division. What falls outside dst is clipped. A source
// rectangle that does not lie wholly on src (a cell the sheet does not have)
// draws nothing: no pixel outside a picture is ever read.
void CopyRect(QImage& dst, const QRect& dstRect, const QImage& src, const QRect& srcRect);

// The same copy, with every pure black source pixel drawn in `colour` (the
// red of eight wins, the blue of the player's plate).
void CopyRectHighlight(QImage& dst, const QRect& dstRect, const QImage& src, const QRect& srcRect,
                       QRgb colour);

// A picture drawn at its own size with its top-left corner at `at`.
void DrawPicture(QImage& dst, QPoint at, const QImage& picture);

}  // namespace kelmar
