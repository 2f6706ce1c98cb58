// The one copy routine: which source pixel each destination pixel takes, the
// clipping, the cells off the source, the highlight, and views into pixels
// owned elsewhere.
#include "canvas/picture.h"

#include <gtest/gtest.h>

#include <vector>

namespace kelmar::canvas {
namespace {

// Every pixel tells where it lies: x in the red byte's bits and green, y in
// blue; the alpha byte is left clear so that the copy's opaque one shows.
Pixel Coded(int x, int y) {
    return static_cast<Pixel>(x) << 12 | static_cast<Pixel>(y);
}
int XOf(Pixel p) {
    return static_cast<int>((p & 0xFFFFFF) >> 12);
}
int YOf(Pixel p) {
    return static_cast<int>(p & 0xFFF);
}

Picture CodedPicture(int width, int height) {
    Picture p(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) p.At(x, y) = Coded(x, y);
    return p;
}

int CountOf(const Picture& p, Pixel colour) {
    int n = 0;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) n += p.At(x, y) == colour;
    return n;
}

constexpr Pixel kGrey = 0xFF090909;

struct StretchCase {
    const char* name;
    int from, to;
    std::vector<int> read;
};

TEST(CopyRect, StretchOrSqueezeReadsTheseSourcePixels) {
    const std::vector<StretchCase> cases = {
        {"tile width 24 -> 18",
         24,
         18,
         {0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, 16, 17, 18, 20, 21, 22}},
        {"tile height 23 -> 18",
         23,
         18,
         {0, 1, 2, 3, 5, 6, 7, 8, 10, 11, 12, 14, 15, 16, 17, 19, 20, 21}},
        {"star 15 -> 11", 15, 11, {0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13}},
        {"3 -> 7", 3, 7, {0, 0, 0, 1, 1, 2, 2}},
        {"equal sizes", 5, 5, {0, 1, 2, 3, 4}},
    };
    const Picture src = CodedPicture(100, 100);
    for (const StretchCase& c : cases) {
        SCOPED_TRACE(c.name);
        Picture dst(40, 40, kGrey);
        CopyRect(dst, Rect(3, 2, c.to, c.to), src, Rect(70, 30, c.from, c.from));
        for (int dy = 0; dy < c.to; ++dy)
            for (int dx = 0; dx < c.to; ++dx) {
                const Pixel p = dst.At(3 + dx, 2 + dy);
                ASSERT_EQ(XOf(p), 70 + c.read[static_cast<size_t>(dx)]);
                ASSERT_EQ(YOf(p), 30 + c.read[static_cast<size_t>(dy)]);
                ASSERT_EQ(p & kOpaque, kOpaque);
            }
        EXPECT_EQ(CountOf(dst, kGrey), 40 * 40 - c.to * c.to);
    }
}

// A rectangle half off the destination: what remains takes the same source
// pixels as in the whole copy, and nothing beyond the destination is touched.
TEST(CopyRect, ClippedCopyKeepsTheMapping) {
    const Picture src = CodedPicture(100, 100);
    Picture whole(60, 60, kGrey);
    CopyRect(whole, Rect(10, 10, 24, 23), src, Rect(50, 25, 18, 18));
    for (const Rect& place : {Rect(-7, -4, 24, 23), Rect(20, 5, 24, 23)}) {
        Picture dst(30, 15, kGrey);
        CopyRect(dst, place, src, Rect(50, 25, 18, 18));
        for (int y = 0; y < dst.height(); ++y)
            for (int x = 0; x < dst.width(); ++x) {
                const bool inside =
                    x >= place.left && x < place.right() && y >= place.top && y < place.bottom();
                const Pixel want =
                    inside ? whole.At(10 + x - place.left, 10 + y - place.top) : kGrey;
                ASSERT_EQ(dst.At(x, y), want) << x << ", " << y;
            }
    }
}

TEST(CopyRect, NothingIsDrawnForTheseRectangles) {
    const Picture src = CodedPicture(40, 30);
    const struct {
        const char* name;
        Rect dst, src;
    } cases[] = {
        {"cell past the right edge", Rect(0, 0, 11, 10), Span(30, 0, 41, 10)},
        {"cell left of the picture", Rect(0, 0, 11, 10), Span(-1, 0, 10, 10)},
        {"cell below the picture", Rect(0, 0, 11, 10), Span(0, 25, 10, 31)},
        {"empty cell", Rect(0, 0, 11, 10), Rect(0, 0, 0, 10)},
        {"cell of negative height", Rect(0, 0, 11, 10), Rect(5, 5, 3, -2)},
        {"empty place", Rect(0, 0, 5, 0), Rect(0, 0, 5, 5)},
        {"place wholly off the destination", Rect(20, 0, 5, 5), Rect(0, 0, 5, 5)},
        {"place above the destination", Rect(0, -5, 5, 5), Rect(0, 0, 5, 5)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Picture dst(20, 20, kGrey);
        CopyRect(dst, c.dst, src, c.src);
        CopyRectHighlight(dst, c.dst, src, c.src, 0xFF0000);
        EXPECT_EQ(CountOf(dst, kGrey), 20 * 20);
    }
}

TEST(CopyRectHighlight, TurnsOnlyPureBlack) {
    Picture src(5, 1);
    const Pixel colours[] = {0x00000000, 0xFF000000, 0x00010000, 0x00000001, 0x00C86432};
    for (int x = 0; x < 5; ++x) src.At(x, 0) = colours[x];
    Picture dst(10, 1, kGrey);
    CopyRectHighlight(dst, Rect(0, 0, 10, 1), src, src.view().Bounds(), 0x120000FF);
    const std::vector<Pixel> want = {0xFF0000FF, 0xFF0000FF, 0xFF0000FF, 0xFF0000FF, 0xFF010000,
                                     0xFF010000, 0xFF000001, 0xFF000001, 0xFFC86432, 0xFFC86432};
    for (int x = 0; x < 10; ++x) EXPECT_EQ(dst.At(x, 0), want[static_cast<size_t>(x)]) << x;
}

// A view with a stride wider than its rows, as a toolkit's image may have:
// the copy writes its own rows only.
TEST(CopyRect, IntoAViewOfRowsWithGaps) {
    std::vector<Pixel> memory(6 * 4, kGrey);
    const View view{memory.data(), 4, 4, 6};
    const Picture src = CodedPicture(4, 4);
    DrawPicture(view, 1, 1, src);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            const Pixel got = memory[static_cast<size_t>(6 * y + x)];
            if (x >= 1 && x < 4 && y >= 1)
                EXPECT_EQ(got, kOpaque | Coded(x - 1, y - 1)) << x << ", " << y;
            else
                EXPECT_EQ(got, kGrey) << x << ", " << y;
        }
}

TEST(Picture, StartsWhiteAndRefusesNegativeSizes) {
    const Picture white(3, 2);
    EXPECT_EQ(CountOf(white, kWhite), 6);
    const Picture none(-3, 5);
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(none.width(), 0);
    EXPECT_EQ(none.height(), 0);
}

TEST(RgbaBytes, RedGreenBlueThenOpaqueAlpha) {
    Picture p(2, 1);
    p.At(0, 0) = 0x00112233;
    p.At(1, 0) = 0x80445566;
    EXPECT_EQ(RgbaBytes(p), (std::vector<uint8_t>{0x11, 0x22, 0x33, 0xFF, 0x44, 0x55, 0x66, 0xFF}));
}

}  // namespace
}  // namespace kelmar::canvas
