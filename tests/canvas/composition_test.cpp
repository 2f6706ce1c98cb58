// The day card, the lamps and the chart composed from the shipped pictures
// for the league after a first basho played on a fixed clock. The hashes are
// those of the pictures the desktop drew with Qt before it drew through
// canvas/ (tests/ui/canvas_pictures_test holds the two equal): a page that
// hashes its canvas's RGBA bytes the same way shows the same pixels. They
// change only with the shipped pictures or the league's rules.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>

#include "banzuke/procedures.h"
#include "basho/procedures.h"
#include "canvas/bitmap.h"
#include "canvas/chart.h"
#include "canvas/scoreboard.h"
#include "lang/pictures.h"
#include "state/encoding.h"
#include "state/errors.h"
#include "state/shift_jis_literal.h"
#include "support/game_folder.h"
#include "support/shipped_league.h"

namespace kelmar::canvas {
namespace {

using testing::GameFolder;

// FNV-1a over the picture's RGBA bytes, row after row.
uint64_t HashOf(ConstView picture) {
    uint64_t hash = 14695981039346656037u;
    for (uint8_t byte : RgbaBytes(picture)) hash = (hash ^ byte) * 1099511628211u;
    return hash;
}

struct League {
    League() {
        folder.CopyAllData();
        state = testing::ShippedLeagueAfterFirstBasho();
    }
    GameFolder folder;
    GameState state;
};

// The board as the main window shows it: the card of the day, then every
// bout's lamps, its technique (none for code 0) and the loser's lamp put out.
Picture FinishedDay(const GameState& state) {
    Picture board(425, 161);
    DrawBoutCard(DayCardOf(state), board);
    const DayPictures pictures = DayPictures::Load();
    for (int bout = 1; bout <= kBoutsADay; ++bout) {
        pictures.LightLamps(board, bout);
        pictures.DrawTechnique(board, bout, bout % 4);
        pictures.PutOutLamp(board, bout,
                            (bout + state.Torikumiday) % 3 == 0 ? Side::East : Side::West);
    }
    return board;
}

TEST(Composition, DayCardsAsTheDesktopDrewThem) {
    League league;
    const struct {
        int day;
        uint64_t card, finished;
    } days[] = {
        {1, 8981476008210177035u, 11864231374427452891u},
        {8, 12531920441442512963u, 4132806039059544139u},
        {15, 11008840075490740223u, 9015657242504755483u},
    };
    for (const auto& d : days) {
        league.state.Torikumiday = d.day;
        Picture board(425, 161);
        DrawBoutCard(DayCardOf(league.state), board);
        EXPECT_EQ(HashOf(board), d.card) << "day " << d.day;
        EXPECT_EQ(HashOf(FinishedDay(league.state)), d.finished) << "day " << d.day;
    }
}

TEST(Composition, ChartAsTheDesktopDrewIt) {
    League league;
    ChartRows rows = ChartRowsOf(league.state);
    rows[3].wins = 9;  // a red win count, whatever the first basho left
    Picture image1(425, 321);
    DrawChart(rows, image1, SheetFileIn(Language::Japanese));
    EXPECT_EQ(HashOf(image1), 5319940023439052897u);
}

// The cells of one row of the chart: its rank and its plate.
Picture Cells(ConstView chart, int slot, int left, int right) {
    Picture cells(right - left, 17);
    CopyRect(cells, cells.view().Bounds(), chart, Rect(left, 18 * slot, right - left, 17));
    return cells;
}

TEST(Composition, TheEnglishChartIsComposedFromTheEnglishSheet) {
    League league;
    const ChartRows rows = ChartRowsOf(league.state);
    Picture japanese(425, 321), english(425, 321), fromJapanese(425, 321), fromEnglish(425, 321);
    DrawChart(rows, japanese, SheetFileIn(Language::Japanese));
    DrawChart(rows, english, SheetFileIn(Language::English));
    DrawPicture(fromJapanese, 0, 0, Chart(rows, ReadGamePicture(ShiftJisToUtf8(sj<"力士.bmp">))));
    DrawPicture(fromEnglish, 0, 0, Chart(rows, ReadGamePicture("rikishi-en.bmp")));
    EXPECT_EQ(japanese, fromJapanese);
    EXPECT_EQ(english, fromEnglish);
    // Every rank word and plate differs; the wins, losses and stars between
    // them are the same cells of both sheets.
    for (int slot = 1; slot <= 16; ++slot) {
        EXPECT_NE(Cells(japanese, slot, 0, 31), Cells(english, slot, 0, 31)) << slot;
        EXPECT_NE(Cells(japanese, slot, 40, 93), Cells(english, slot, 40, 93)) << slot;
        EXPECT_EQ(Cells(japanese, slot, 100, 216), Cells(english, slot, 100, 216)) << slot;
    }
}

TEST(Composition, ASheetThatCannotBeReadLeavesThePictureAsItWas) {
    League league;
    std::filesystem::remove("力士.bmp");
    const Picture old(425, 321, 0xFF00FF00);
    Picture picture = old;
    EXPECT_THROW(DrawChart(ChartRowsOf(league.state), picture, SheetFileIn(Language::Japanese)),
                 PictureError);
    EXPECT_THROW(DrawBoutCard(DayCardOf(league.state), picture), PictureError);
    EXPECT_EQ(picture, old);
    // The English chart reads its own sheet, and a missing one is named.
    DrawChart(ChartRowsOf(league.state), picture, SheetFileIn(Language::English));
    EXPECT_NE(picture, old);
    std::filesystem::remove("rikishi-en.bmp");
    try {
        DrawChart(ChartRowsOf(league.state), picture, SheetFileIn(Language::English));
        ADD_FAILURE() << "no PictureError";
    } catch (const PictureError& e) {
        EXPECT_EQ(std::string(e.what()), sj<"ﾌｧｲﾙ "> + Utf8ToShiftJis(league.folder.path()) +
                                             sj<"/rikishi-en.bmp は開けません">);
    }
}

// The composition draws what the sheet holds: on a sheet of one colour every
// figure is that colour, at 18 x 18 per tile, and nothing else is.
TEST(Composition, BoutCardStacksEachFigureInItsColumn) {
    const Picture sheet(sheet::kWidth, sheet::kHeight, 0xFF123456);
    League league;
    league.state.Torikumiday = 1;
    const Picture card = BoutCard(DayCardOf(league.state), sheet);
    ASSERT_EQ(card.width(), kCardWidth);
    ASSERT_EQ(card.height(), kCardHeight);
    int coloured = 0;
    for (int y = 0; y < card.height(); ++y)
        for (int x = 0; x < card.width(); ++x) {
            const bool figure = x >= 30 && x < 30 + 24 * 15 + 18 && (x - 30) % 24 < 18 &&
                                ((y >= 18 && y < 72) || (y >= 90 && y < 144));
            EXPECT_EQ(card.At(x, y), figure ? 0xFF123456 : kWhite) << x << ", " << y;
            coloured += figure;
        }
    EXPECT_EQ(coloured, 32 * 3 * 18 * 18);
}

}  // namespace
}  // namespace kelmar::canvas
