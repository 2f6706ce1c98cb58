// What a day and its chart cost to draw, the reading of the pictures from
// disk included: the shipped sheet in a fresh game folder.
#include <benchmark/benchmark.h>

#include <QImage>

#include "banzuke/procedures.h"
#include "basho/procedures.h"
#include "desktop/bout_card_drawing.h"
#include "desktop/chart_drawing.h"
#include "desktop/pixel_view.h"
#include "support/game_folder.h"
#include "ui/synthetic_pictures.h"

namespace {

using namespace kelmar;

struct ShippedGame {
    ShippedGame() {
        folder.CopyAllData();
        state = testing::ShippedLeagueOnDay(10);
    }
    testing::GameFolder folder;
    GameState state;
};

ShippedGame& Game() {
    static ShippedGame game;
    return game;
}

void BM_DrawBoutCard(benchmark::State& run) {
    QImage board = WhiteSurface(QSize(425, 161));
    for (auto _ : run) {
        DrawBoutCard(DayCardOf(Game().state), board);
        benchmark::DoNotOptimize(board.constBits());
    }
}
BENCHMARK(BM_DrawBoutCard)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_DrawChart(benchmark::State& run) {
    QImage image1 = WhiteSurface(QSize(425, 321));
    for (auto _ : run) {
        DrawChart(ChartRowsOf(Game().state), image1, Language::Japanese);
        benchmark::DoNotOptimize(image1.constBits());
    }
}
BENCHMARK(BM_DrawChart)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// The five pictures read and all sixteen bouts' lamps and techniques drawn.
void BM_DayOfLamps(benchmark::State& run) {
    QImage board = WhiteSurface(QSize(425, 161));
    for (auto _ : run) {
        const DayPictures pictures = DayPictures::Load();
        for (int bout = 1; bout <= 16; ++bout) {
            pictures.LightLamps(board, bout);
            pictures.DrawTechnique(board, bout, 1 + bout % 3);
            pictures.PutOutLamp(board, bout, Side::West);
        }
        benchmark::DoNotOptimize(board.constBits());
    }
}
BENCHMARK(BM_DayOfLamps)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace

BENCHMARK_MAIN();
