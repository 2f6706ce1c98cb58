#include "canvas/picture.h"

#include <algorithm>

namespace kelmar::canvas {

namespace {

constexpr Pixel kColourBits = 0x00FFFFFF;

// The source pixel a destination offset reads.
int SourceIndex(int offset, int srcStart, int srcLength, int dstLength) {
    return srcStart + static_cast<int>(int64_t{offset} * srcLength / dstLength);
}

bool Contains(const Rect& outer, const Rect& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

Rect Intersection(const Rect& a, const Rect& b) {
    const int left = std::max(a.left, b.left), top = std::max(a.top, b.top);
    return Span(left, top, std::min(a.right(), b.right()), std::min(a.bottom(), b.bottom()));
}

template <typename Paint>
void CopyPixels(View dst, const Rect& dstRect, ConstView src, const Rect& srcRect, Paint paint) {
    if (dstRect.empty() || srcRect.empty() || !Contains(src.Bounds(), srcRect))
        return;
    const Rect clip = Intersection(dstRect, dst.Bounds());
    if (clip.empty())
        return;
    const bool sameWidth = dstRect.width == srcRect.width;
    std::vector<int> column;
    if (!sameWidth) {
        column.resize(static_cast<size_t>(clip.width));
        for (int x = clip.left; x < clip.right(); ++x)
            column[static_cast<size_t>(x - clip.left)] =
                SourceIndex(x - dstRect.left, srcRect.left, srcRect.width, dstRect.width);
    }
    const int firstColumn = srcRect.left + (clip.left - dstRect.left);
    for (int y = clip.top; y < clip.bottom(); ++y) {
        const int sy = SourceIndex(y - dstRect.top, srcRect.top, srcRect.height, dstRect.height);
        const Pixel* from = src.Row(sy);
        Pixel* to = dst.Row(y) + clip.left;
        if (sameWidth) {
            from += firstColumn;
            for (int i = 0; i < clip.width; ++i) to[i] = paint(from[i]);
        } else {
            for (size_t i = 0; i < column.size(); ++i) to[i] = paint(from[column[i]]);
        }
    }
}

}  // namespace

Picture::Picture(int width, int height, Pixel fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), fill) {
    if (pixels_.empty())
        width_ = height_ = 0;
}

Picture::Picture(int width, int height, std::vector<Pixel> pixels) {
    if (width > 0 && height > 0 &&
        pixels.size() == static_cast<size_t>(width) * static_cast<size_t>(height)) {
        width_ = width;
        height_ = height;
        pixels_ = std::move(pixels);
    }
}

void CopyRect(View dst, const Rect& dstRect, ConstView src, const Rect& srcRect) {
    CopyPixels(dst, dstRect, src, srcRect, [](Pixel p) { return p | kOpaque; });
}

void CopyRectHighlight(View dst, const Rect& dstRect, ConstView src, const Rect& srcRect,
                       Pixel colour) {
    const Pixel highlight = (colour & kColourBits) | kOpaque;
    CopyPixels(dst, dstRect, src, srcRect,
               [highlight](Pixel p) { return (p & kColourBits) == 0 ? highlight : p | kOpaque; });
}

void DrawPicture(View dst, int left, int top, ConstView picture) {
    CopyRect(dst, Rect(left, top, picture.width, picture.height), picture, picture.Bounds());
}

std::vector<uint8_t> RgbaBytes(ConstView picture) {
    std::vector<uint8_t> bytes;
    bytes.reserve(static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height) * 4);
    for (int y = 0; y < picture.height; ++y)
        for (const Pixel* p = picture.Row(y); p != picture.Row(y) + picture.width; ++p) {
            bytes.push_back(static_cast<uint8_t>(*p >> 16));
            bytes.push_back(static_cast<uint8_t>(*p >> 8));
            bytes.push_back(static_cast<uint8_t>(*p));
            bytes.push_back(0xFF);
        }
    return bytes;
}

}  // namespace kelmar::canvas
