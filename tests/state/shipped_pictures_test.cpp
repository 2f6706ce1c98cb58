// The pictures that come with the game, read as the plain Windows bitmaps they
// are: their sizes, and every cell of the picture sheet that the day card and
// the banzuke chart copy holds something, with glyphs in pure black. The
// English sheet beside it has the same figures and strip, its own rank
// letters, and a plate that holds every name's reading unclipped.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "lang/pictures.h"
#include "lang/romaji.h"
#include "state/picture_sheet.h"
#include "state/roster.h"
#include "state/strings.h"
#include "state/text_file.h"
#include "support/game_folder.h"

namespace kelmar {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;

using sheet::Cell;

// A 24-bit uncompressed bitmap, as the generator writes them.
class Bitmap {
  public:
    explicit Bitmap(const std::string& name) {
        const std::string path = (std::filesystem::path(KELMAR_DATA_DIR) / name).string();
        bytes_ = ReadWholeFile(path);
        if (bytes_.size() < 54 || bytes_.compare(0, 2, "BM") != 0)
            throw std::runtime_error(name);
        if (U32(14) != 40 || U16(28) != 24 || U32(30) != 0)
            throw std::runtime_error(name);
        width_ = static_cast<int>(U32(18));
        height_ = static_cast<int>(U32(22));  // bottom-up
        offset_ = U32(10);
        stride_ = (width_ * 3 + 3) / 4 * 4;
        if (bytes_.size() < offset_ + size_t(stride_) * height_)
            throw std::runtime_error(name);
    }

    int width() const { return width_; }
    int height() const { return height_; }

    uint32_t Pixel(int x, int y) const {
        const size_t at = offset_ + size_t(height_ - 1 - y) * stride_ + size_t(x) * 3;
        return Byte(at + 2) << 16 | Byte(at + 1) << 8 | Byte(at);
    }

    std::vector<uint32_t> CellPixels(const Cell& r) const {
        std::vector<uint32_t> pixels;
        for (int y = r.top; y < r.top + r.height; ++y)
            for (int x = r.left; x < r.left + r.width; ++x) pixels.push_back(Pixel(x, y));
        return pixels;
    }

  private:
    uint32_t Byte(size_t at) const { return static_cast<unsigned char>(bytes_[at]); }
    uint32_t U16(size_t at) const { return Byte(at) | Byte(at + 1) << 8; }
    uint32_t U32(size_t at) const { return U16(at) | U16(at + 2) << 16; }

    std::string bytes_;
    int width_ = 0, height_ = 0, stride_ = 0;
    size_t offset_ = 0;
};

int Inked(const std::vector<uint32_t>& cell) {
    int n = 0;
    for (uint32_t p : cell) n += p != kWhite;
    return n;
}

bool OnlyBlackAndWhite(const std::vector<uint32_t>& cell) {
    for (uint32_t p : cell)
        if (p != kWhite && p != kBlack)
            return false;
    return true;
}

constexpr int kPortraits = 58;
// The sheet's name on disk is UTF-8, whatever the character set of this file's
// other literals.
const std::string kSheet = reinterpret_cast<const char*>(u8"力士.bmp");

using sheet::DigitCell;
using sheet::PlateCell;
using sheet::RankCell;
const Cell kSeparator = sheet::SeparatorCell();
const Cell kStar = sheet::StarCell();

TEST(ShippedPictures, SizesAsTheWindowsExpect) {
    struct Case {
        std::string name;
        int width, height;
    };
    std::vector<Case> cases = {{"On.bmp", 24, 18},           {"Off.bmp", 24, 18},
                               {"oshi.bmp", 24, 18},         {"hiki.bmp", 24, 18},
                               {"nage.bmp", 24, 18},         {"title.bmp", 430, 161},
                               {kEnglishTitleFile, 430, 161}};
    for (char letter = 'a'; letter <= 'm'; ++letter)
        cases.push_back({std::string(1, letter) + ".bmp", 240, 160});
    for (const auto& c : cases) {
        const Bitmap picture(c.name);
        EXPECT_EQ(picture.width(), c.width) << c.name;
        EXPECT_EQ(picture.height(), c.height) << c.name;
    }
    // The sheet has exactly the size the rules' refusals assume, and a
    // figure and a plate for every shipped number.
    for (const std::string& name : {kSheet, std::string(kEnglishSheetFile)}) {
        const Bitmap bitmap(name);
        EXPECT_EQ(bitmap.width(), sheet::kWidth) << name;
        EXPECT_EQ(bitmap.height(), sheet::kHeight) << name;
    }
    EXPECT_TRUE(sheet::HasFigure(kPortraits) && sheet::HasPlate(kPortraits));
    EXPECT_NE(Bitmap("title.bmp").CellPixels({0, 0, 430, 161}),
              Bitmap(kEnglishTitleFile).CellPixels({0, 0, 430, 161}));
}

TEST(ShippedPictures, EveryPortraitTileHoldsAFigureAndEveryRikishiLooksHisOwn) {
    const Bitmap bitmap(kSheet);
    std::set<std::vector<uint32_t>> portraits;
    for (int n = 1; n <= kPortraits; ++n) {
        std::vector<uint32_t> whole;
        for (int j = 1; j <= 3; ++j) {
            const auto tile = bitmap.CellPixels(sheet::PortraitTile(n, j));
            EXPECT_GE(Inked(tile), 24 * 23 / 4) << "portrait " << n << " tile " << j;
            whole.insert(whole.end(), tile.begin(), tile.end());
        }
        portraits.insert(whole);
    }
    EXPECT_EQ(portraits.size(), size_t(kPortraits));
}

TEST(ShippedPictures, ChartCellsAreBlackGlyphsAndAllDifferent) {
    const Bitmap bitmap(kSheet);
    struct Group {
        const char* what;
        std::vector<Cell> cells;
    };
    std::vector<Group> groups = {{"rank word", {}}, {"digit", {}}, {"name plate", {}}};
    for (int k = 1; k <= 5; ++k) groups[0].cells.push_back(RankCell(k));
    for (int d = 0; d <= 15; ++d) groups[1].cells.push_back(DigitCell(d));
    for (int n = 1; n <= kPortraits; ++n) groups[2].cells.push_back(PlateCell(n));
    for (const auto& group : groups) {
        std::set<std::vector<uint32_t>> seen;
        for (size_t i = 0; i < group.cells.size(); ++i) {
            const auto cell = bitmap.CellPixels(group.cells[i]);
            EXPECT_GE(Inked(cell), 10) << group.what << " " << i;
            // The highlight copies recolour black pixels: a glyph is all black.
            EXPECT_TRUE(OnlyBlackAndWhite(cell)) << group.what << " " << i;
            seen.insert(cell);
        }
        EXPECT_EQ(seen.size(), group.cells.size()) << "two alike among the " << group.what << "s";
    }
    const auto separator = bitmap.CellPixels(kSeparator);
    EXPECT_GE(Inked(separator), 6);
    EXPECT_TRUE(OnlyBlackAndWhite(separator));
    EXPECT_GE(Inked(bitmap.CellPixels(kStar)), 40);
}

// The shipped names (display name, Shift-JIS) by portrait number.
std::vector<std::pair<int, std::string>> ShippedNamesByPortrait() {
    testing::GameFolder folder;
    folder.CopyAllData();
    GameState league;
    LoadRoster(league);
    LoadJuryoNames(league);
    std::vector<std::pair<int, std::string>> names;
    for (int slot = 1; slot <= kRosterSlots; ++slot)
        names.emplace_back(PortraitNumber(league.NameOfWres[slot]),
                           DisplayName(league.NameOfWres[slot]));
    for (int i = 1; i <= kJuryo; ++i)
        names.emplace_back(PortraitNumber(league.Juryo[i]), DisplayName(league.Juryo[i]));
    return names;
}

TEST(ShippedPictures, TheEnglishSheetHasTheSameFiguresAndStripAndItsOwnWords) {
    const Bitmap japanese(kSheet), english(kEnglishSheetFile);
    for (int n = 1; n <= kPortraits; ++n)
        for (int j = 1; j <= 3; ++j)
            EXPECT_EQ(japanese.CellPixels(sheet::PortraitTile(n, j)),
                      english.CellPixels(sheet::PortraitTile(n, j)))
                << "portrait " << n;
    for (int d = 0; d <= 15; ++d)
        EXPECT_EQ(japanese.CellPixels(DigitCell(d)), english.CellPixels(DigitCell(d)));
    EXPECT_EQ(japanese.CellPixels(kSeparator), english.CellPixels(kSeparator));
    EXPECT_EQ(japanese.CellPixels(kStar), english.CellPixels(kStar));
    std::set<std::vector<uint32_t>> letters;
    for (int k = 1; k <= 5; ++k) {
        const auto letter = english.CellPixels(RankCell(k));
        EXPECT_NE(letter, japanese.CellPixels(RankCell(k))) << "rank " << k;
        EXPECT_GE(Inked(letter), 20) << "rank " << k;
        EXPECT_TRUE(OnlyBlackAndWhite(letter)) << "rank " << k;
        letters.insert(letter);
    }
    EXPECT_EQ(letters.size(), 5u);
}

TEST(ShippedPictures, EveryReadingHasAnEnglishPlateThatHoldsIt) {
    const Bitmap english(kEnglishSheetFile);
    const RomajiTable romaji = RomajiTable::Read(std::string(KELMAR_DATA_DIR) + "/" + kRomajiFile);
    const auto names = ShippedNamesByPortrait();
    ASSERT_EQ(names.size(), size_t(kPortraits));
    std::set<std::vector<uint32_t>> plates;
    for (const auto& [n, name] : names) {
        const auto reading = romaji.Of(name);
        ASSERT_TRUE(reading) << "portrait " << n << " has no reading";
        const Cell plate = PlateCell(n);
        const auto pixels = english.CellPixels(plate);
        // A reading's letters: more of them, more ink; one letter at least 6.
        EXPECT_GE(Inked(pixels), 6 * static_cast<int>(reading->size())) << *reading;
        EXPECT_TRUE(OnlyBlackAndWhite(pixels)) << *reading;
        // Nothing clipped: the plate's first and last columns stay white.
        for (int x : {plate.left, plate.right() - 1})
            EXPECT_EQ(Inked(english.CellPixels({x, plate.top, 1, plate.height})), 0)
                << *reading << " touches the plate's edge at x " << x;
        plates.insert(pixels);
    }
    EXPECT_EQ(plates.size(), names.size());
}

TEST(ShippedPictures, LampsAndFilmPicturesDifferFromEachOther) {
    EXPECT_NE(Bitmap("On.bmp").CellPixels({0, 0, 24, 18}),
              Bitmap("Off.bmp").CellPixels({0, 0, 24, 18}));
    std::set<std::vector<uint32_t>> techniques;
    for (const char* name : {"oshi.bmp", "hiki.bmp", "nage.bmp"})
        techniques.insert(Bitmap(name).CellPixels({0, 0, 24, 18}));
    EXPECT_EQ(techniques.size(), 3u);
    // Thirteen different pictures: an east win is not the west win's picture.
    std::set<std::vector<uint32_t>> frames;
    for (char letter = 'a'; letter <= 'm'; ++letter)
        frames.insert(Bitmap(std::string(1, letter) + ".bmp").CellPixels({0, 0, 240, 160}));
    EXPECT_EQ(frames.size(), 13u);
}

}  // namespace
}  // namespace kelmar
