// The bitmap reader: the layouts of Windows bitmaps it takes, the files it
// refuses with the game's message, and the shipped pictures.
#include "canvas/bitmap.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "state/encoding.h"
#include "state/errors.h"
#include "state/shift_jis_literal.h"
#include "support/game_folder.h"

namespace kelmar::canvas {
namespace {

using testing::GameFolder;

void Put16(std::string& s, uint32_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& s, uint32_t v) {
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

// A bitmap file made by hand. `values` holds the pixels from the top row
// down: a colour 0xRRGGBB at 24 and 32 bits without masks, otherwise the raw
// value (a colour index, or the 16 or 32 bits the masks cut up).
struct BitmapFile {
    int headerSize = 40;
    int width = 0, height = 0;  // a negative height: rows top down
    int bits = 24;
    uint32_t compression = 0;
    std::vector<uint32_t> palette;  // 0xRRGGBB
    uint32_t used = 0;
    std::array<uint32_t, 3> masks{};
    std::vector<uint32_t> values;

    std::string Bytes() const {
        std::string info;
        Put32(info, static_cast<uint32_t>(headerSize));
        if (headerSize == 12) {
            Put16(info, static_cast<uint32_t>(width));
            Put16(info, static_cast<uint32_t>(height));
            Put16(info, 1);
            Put16(info, static_cast<uint32_t>(bits));
        } else {
            Put32(info, static_cast<uint32_t>(width));
            Put32(info, static_cast<uint32_t>(height));
            Put16(info, 1);
            Put16(info, static_cast<uint32_t>(bits));
            Put32(info, compression);
            for (int i = 0; i < 3; ++i) Put32(info, 0);  // image size, resolution
            Put32(info, used);
            Put32(info, 0);
            if (compression == 3)
                for (uint32_t m : masks) Put32(info, m);  // in the header or after it
            info.resize(static_cast<size_t>(std::max<int>(headerSize, info.size())), '\0');
        }
        for (uint32_t c : palette) {
            info += static_cast<char>(c & 0xFF);
            info += static_cast<char>((c >> 8) & 0xFF);
            info += static_cast<char>((c >> 16) & 0xFF);
            if (headerSize != 12)
                info += '\0';
        }
        std::string file = "BM";
        const std::string pixels = Pixels();
        Put32(file, static_cast<uint32_t>(14 + info.size() + pixels.size()));
        Put32(file, 0);
        Put32(file, static_cast<uint32_t>(14 + info.size()));
        return file + info + pixels;
    }

    std::string Pixels() const {
        const int rows = height < 0 ? -height : height;
        const size_t stride = (static_cast<size_t>(width) * bits + 31) / 32 * 4;
        std::string out;
        for (int r = 0; r < rows; ++r) {
            const int y = height < 0 ? r : rows - 1 - r;
            std::string row(stride, '\0');
            for (int x = 0; x < width; ++x) {
                const uint32_t v = values[static_cast<size_t>(y * width + x)];
                if (bits < 8) {
                    const int perByte = 8 / bits;
                    row[static_cast<size_t>(x / perByte)] |=
                        static_cast<char>(v << (8 - bits * (x % perByte + 1)));
                } else {
                    for (int i = 0; i < bits / 8; ++i)
                        row[static_cast<size_t>(x * bits / 8 + i)] =
                            static_cast<char>((v >> (8 * i)) & 0xFF);
                }
            }
            out += row;
        }
        return out;
    }
};

struct GoodCase {
    const char* name;
    BitmapFile file;
    std::vector<Pixel> want;  // 0xRRGGBB, from the top row down
};

const std::vector<Pixel> kThreeByTwo = {0x102030, 0xFFFFFF, 0x000000, 0xA0B0C0, 0x010203, 0xFF0000};

BitmapFile TwentyFour(int height) {
    BitmapFile f;
    f.width = 3;
    f.height = height;
    f.values = kThreeByTwo;
    return f;
}

std::vector<GoodCase> GoodCases() {
    std::vector<GoodCase> cases;
    cases.push_back({"24 bits bottom up, rows padded to four bytes", TwentyFour(2), kThreeByTwo});
    cases.push_back({"24 bits top down", TwentyFour(-2), kThreeByTwo});
    BitmapFile v5 = TwentyFour(2);
    v5.headerSize = 124;
    cases.push_back({"24 bits behind a 124-byte header", v5, kThreeByTwo});
    BitmapFile core = TwentyFour(2);
    core.headerSize = 12;
    cases.push_back({"24 bits behind the 12-byte header", core, kThreeByTwo});
    BitmapFile x32 = TwentyFour(2);
    x32.bits = 32;
    for (uint32_t& v : x32.values) v |= 0x7F000000;  // the fourth byte is not read
    cases.push_back({"32 bits, the fourth byte ignored", x32, kThreeByTwo});

    BitmapFile indexed;
    indexed.width = 3;
    indexed.height = 2;
    indexed.bits = 8;
    indexed.used = 3;
    indexed.palette = {0x112233, 0x445566, 0x778899};
    indexed.values = {0, 1, 2, 2, 1, 200};
    cases.push_back({"8 bits, an index beyond the table is black",
                     indexed,
                     {0x112233, 0x445566, 0x778899, 0x778899, 0x445566, 0x000000}});
    BitmapFile four = indexed;
    four.bits = 4;
    four.used = 0;
    four.palette.resize(16, 0xABCDEF);
    four.values = {0, 1, 2, 15, 2, 1};
    cases.push_back({"4 bits, two pixels a byte, high nibble first",
                     four,
                     {0x112233, 0x445566, 0x778899, 0xABCDEF, 0x778899, 0x445566}});
    BitmapFile mono;
    mono.width = 10;  // a row crosses a byte
    mono.height = 1;
    mono.bits = 1;
    mono.palette = {0x000000, 0xFFFFFF};
    mono.values = {1, 0, 0, 0, 0, 0, 0, 1, 1, 0};
    cases.push_back({"1 bit, eight pixels a byte, high bit first",
                     mono,
                     {0xFFFFFF, 0, 0, 0, 0, 0, 0, 0xFFFFFF, 0xFFFFFF, 0}});

    BitmapFile rgb555;
    rgb555.width = 3;
    rgb555.height = 1;
    rgb555.bits = 16;
    rgb555.values = {0x7C00, 0x03E0, 0x001F | 0x8000};
    cases.push_back({"16 bits without masks: 5 5 5, each widened times 8",
                     rgb555,
                     {0xF80000, 0x00F800, 0x0000F8}});
    BitmapFile rgb565 = rgb555;
    rgb565.compression = 3;
    rgb565.masks = {0xF800, 0x07E0, 0x001F};
    rgb565.values = {0xF800, 0x07E0, 0x0821};
    cases.push_back({"16 bits with masks 5 6 5", rgb565, {0xF80000, 0x00FC00, 0x080408}});
    BitmapFile masked32 = rgb565;
    masked32.bits = 32;
    masked32.headerSize = 108;
    masked32.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
    masked32.values = {0x00332211, 0xFF000000, 0x00FFFFFF};
    cases.push_back(
        {"32 bits with masks in a 108-byte header", masked32, {0x112233, 0x000000, 0xFFFFFF}});
    return cases;
}

TEST(BitmapReader, TakesTheseLayouts) {
    for (const GoodCase& c : GoodCases()) {
        SCOPED_TRACE(c.name);
        const std::optional<Picture> picture = DecodeBitmap(c.file.Bytes());
        ASSERT_TRUE(picture.has_value());
        const int height = c.file.height < 0 ? -c.file.height : c.file.height;
        ASSERT_EQ(picture->width(), c.file.width);
        ASSERT_EQ(picture->height(), height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < c.file.width; ++x)
                EXPECT_EQ(picture->At(x, y),
                          kOpaque | c.want[static_cast<size_t>(y * c.file.width + x)])
                    << "at " << x << ", " << y;
    }
}

struct BadCase {
    const char* name;
    std::string bytes;
};

std::vector<BadCase> BadCases() {
    const std::string good = TwentyFour(2).Bytes();
    auto with = [&](size_t at, std::string bytes) {
        std::string b = good;
        b.replace(at, bytes.size(), bytes);
        return b;
    };
    auto u32 = [](uint32_t v) {
        std::string s;
        Put32(s, v);
        return s;
    };
    BitmapFile rle = TwentyFour(2);
    rle.bits = 8;
    rle.compression = 1;
    rle.palette = {0};
    BitmapFile tooManyColours;
    tooManyColours.width = tooManyColours.height = 1;
    tooManyColours.bits = 1;
    tooManyColours.used = 3;
    tooManyColours.palette = {0, 0, 0};
    tooManyColours.values = {0};
    BitmapFile huge;  // its pixels all there, one bit each
    huge.width = 4096;
    huge.height = 1025;
    huge.bits = 1;
    huge.palette = {0, 0xFFFFFF};
    huge.values.assign(4096 * 1025, 1);
    BitmapFile fieldsOn24 = TwentyFour(2);
    fieldsOn24.compression = 3;
    return {
        {"empty", ""},
        {"the magic alone", "BM"},
        {"another magic", with(0, "MB")},
        {"a header size no version has", with(14, u32(20))},
        {"a header longer than the file", with(14, u32(4000))},
        {"width 0", with(18, u32(0))},
        {"negative width", with(18, u32(0xFFFFFFFD))},
        {"height 0", with(22, u32(0))},
        {"width above 16384", with(18, u32(16385))},
        {"height below -16384", with(22, u32(static_cast<uint32_t>(-16385)))},
        {"the smallest height", with(22, u32(0x80000000))},
        {"2 bits a pixel", with(28, std::string("\x02\x00", 2))},
        {"a run-length compression", rle.Bytes()},
        {"masks on 24 bits", fieldsOn24.Bytes()},
        {"more colours than the bits can index", tooManyColours.Bytes()},
        {"the last row cut short", good.substr(0, good.size() - 1)},
        {"more pixels than 2048 x 2048", huge.Bytes()},
        {"pixel data beyond the end", with(10, u32(0xFFFFFFF0))},
        {"tall enough to overflow a row count", with(18, u32(16384)).replace(22, 4, u32(16384))},
    };
}

TEST(BitmapReader, RefusesThese) {
    for (const BadCase& c : BadCases()) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(DecodeBitmap(c.bytes).has_value());
    }
}

TEST(BitmapReader, TakesAsManyPixelsAs2048By2048) {
    BitmapFile wide;
    wide.width = 4096;
    wide.height = -1024;
    wide.bits = 1;
    wide.palette = {0, 0xFFFFFF};
    wide.values.assign(4096 * 1024, 0);
    wide.values.back() = 1;
    const std::optional<Picture> picture = DecodeBitmap(wide.Bytes());
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->At(4095, 1023), kWhite);
    EXPECT_EQ(picture->At(4094, 1023), kOpaque);
}

std::string PictureErrorOf(const std::string& path) {
    try {
        ReadPicture(path);
    } catch (const PictureError& e) {
        return e.what();
    }
    return "no PictureError";
}

TEST(BitmapReader, AFileItCannotReadIsNamedInTheGamesMessage) {
    GameFolder folder;
    folder.Write("On.bmp", "BM this is no picture");
    folder.Write("力士.bmp", TwentyFour(2).Bytes().substr(0, 60));
    const std::string dir = Utf8ToShiftJis(folder.path());
    EXPECT_EQ(PictureErrorOf(folder.path() + "/On.bmp"),
              sj<"ﾌｧｲﾙ "> + dir + sj<"/On.bmp は開けません">);
    EXPECT_EQ(PictureErrorOf(folder.path() + "/Off.bmp"),
              sj<"ﾌｧｲﾙ "> + dir + sj<"/Off.bmp は開けません">);
    EXPECT_EQ(PictureErrorOf(folder.path() + "/力士.bmp"),
              sj<"ﾌｧｲﾙ "> + dir + sj<"/力士.bmp は開けません">);
    EXPECT_EQ(PictureErrorOf(folder.path()), sj<"ﾌｧｲﾙ "> + dir + sj<" は開けません">);
}

TEST(BitmapReader, ReadsAPictureOfTheGameFolder) {
    GameFolder folder;
    folder.Write("a.bmp", TwentyFour(-2).Bytes());
    const Picture picture = ReadGamePicture("a.bmp");
    EXPECT_EQ(picture.At(2, 1), kOpaque | 0xFF0000);
}

TEST(BitmapReader, ShippedPicturesAtTheirSizes) {
    GameFolder folder;
    folder.CopyAllData();
    struct Size {
        std::string file;
        int width, height;
    };
    std::vector<Size> sizes = {
        {"力士.bmp", 578, 358},       {"On.bmp", 24, 18},      {"Off.bmp", 24, 18},
        {"oshi.bmp", 24, 18},         {"hiki.bmp", 24, 18},    {"nage.bmp", 24, 18},
        {"rikishi-en.bmp", 578, 358}, {"title.bmp", 430, 161}, {"title-en.bmp", 430, 161}};
    for (char letter = 'a'; letter <= 'm'; ++letter)
        sizes.push_back({{letter, '.', 'b', 'm', 'p'}, 240, 160});
    for (const Size& s : sizes) {
        const Picture picture = ReadGamePicture(s.file);
        EXPECT_EQ(picture.width(), s.width) << s.file;
        EXPECT_EQ(picture.height(), s.height) << s.file;
    }
}

}  // namespace
}  // namespace kelmar::canvas
