// The game's pictures as plain 32-bit pixels, and the one copy routine that
// composes them. Both frontends draw from these: the desktop wraps the pixels
// in an image of its toolkit without copying them, the page hands them to its
// canvas (RgbaBytes). Nothing here knows a toolkit.
//
// The rest of canvas/: bitmap.h reads the game's bitmap files; scoreboard.h
// composes the main window's board (the day card, the lamps, the technique
// pictures) and reads the film's frames; chart.h composes frmStage's chart.
// A frontend keeps a Picture of each window's size (or a View of its own
// image), draws into it at the game's moments and shows it; the names and
// titles are its own texts, written over or beside the pictures.
//
// A pixel is 0xAARRGGBB in one 32-bit word, in the machine's byte order: the
// layout of a 32-bit RGB image of the desktop's toolkit. The pictures are
// opaque; whatever the alpha byte of a source holds, a copy writes 0xFF.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "state/picture_sheet.h"

namespace kelmar::canvas {

using Pixel = uint32_t;

inline constexpr Pixel kOpaque = 0xFF000000;
inline constexpr Pixel kWhite = 0xFFFFFFFF;

// Left and top inclusive, `width` x `height`; empty when either is 0 or less.
struct Rect {
    int left = 0, top = 0, width = 0, height = 0;

    constexpr Rect() = default;
    constexpr Rect(int l, int t, int w, int h) : left(l), top(t), width(w), height(h) {}
    // A cell of the picture sheet, as the sheet gives it.
    constexpr Rect(const sheet::Cell& c) : Rect(c.left, c.top, c.width, c.height) {}

    constexpr int right() const { return left + width; }   // exclusive
    constexpr int bottom() const { return top + height; }  // exclusive
    constexpr bool empty() const { return width <= 0 || height <= 0; }
    bool operator==(const Rect&) const = default;
};

// The rectangle from (left, top) up to, not including, (right, bottom).
constexpr Rect Span(int left, int top, int right, int bottom) {
    return Rect(left, top, right - left, bottom - top);
}

// Pixels owned elsewhere: `height` rows of `width` pixels, each row `stride`
// pixels after the one above. The owner keeps them alive and in place while
// the view is used.
template <typename P>
struct BasicView {
    P* pixels = nullptr;
    int width = 0, height = 0, stride = 0;

    P* Row(int y) const { return pixels + static_cast<std::ptrdiff_t>(y) * stride; }
    P& At(int x, int y) const { return Row(y)[x]; }
    Rect Bounds() const { return Rect(0, 0, width, height); }
    operator BasicView<const P>() const { return {pixels, width, height, stride}; }
};
using View = BasicView<Pixel>;
using ConstView = BasicView<const Pixel>;

// A picture that owns its pixels, rows one after another (stride = width).
class Picture {
  public:
    Picture() = default;
    // A picture of this size in one colour: white, as the game's surfaces start.
    Picture(int width, int height, Pixel fill = kWhite);
    // A picture of these pixels, row after row from the top; an empty picture
    // when they are not width x height.
    Picture(int width, int height, std::vector<Pixel> pixels);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return pixels_.empty(); }
    Pixel At(int x, int y) const { return pixels_[Index(x, y)]; }
    Pixel& At(int x, int y) { return pixels_[Index(x, y)]; }
    const Pixel* data() const { return pixels_.data(); }
    Pixel* data() { return pixels_.data(); }

    View view() { return {pixels_.data(), width_, height_, width_}; }
    ConstView view() const { return {pixels_.data(), width_, height_, width_}; }
    operator View() { return view(); }
    operator ConstView() const { return view(); }

    bool operator==(const Picture&) const = default;

  private:
    size_t Index(int x, int y) const {
        return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
    }

    int width_ = 0, height_ = 0;
    std::vector<Pixel> pixels_;
};

// Copies srcRect of src onto dstRect of dst: pixel for pixel when the sizes
// are equal, otherwise stretched or squeezed to fill dstRect, nearest pixel,
// like a plain stretch blit: destination pixel (dx, dy), counted from
// dstRect's corner, takes the source pixel
//     (srcLeft + dx * srcWidth / dstWidth, srcTop + dy * srcHeight / dstHeight)
// with integer division. What falls outside dst is clipped. A source
// rectangle that does not lie wholly on src (a cell the sheet does not have)
// draws nothing: no pixel outside a picture is ever read. Every pixel
// written is opaque.
void CopyRect(View dst, const Rect& dstRect, ConstView src, const Rect& srcRect);

// The same copy, with every pure black source pixel drawn in `colour` (the
// red of eight wins, the blue of the player's plate).
void CopyRectHighlight(View dst, const Rect& dstRect, ConstView src, const Rect& srcRect,
                       Pixel colour);

// A picture drawn at its own size with its top-left corner at (left, top).
void DrawPicture(View dst, int left, int top, ConstView picture);

// The pixels as a web canvas takes them: R, G, B, A bytes, row after row,
// alpha 255.
std::vector<uint8_t> RgbaBytes(ConstView picture);

}  // namespace kelmar::canvas
