// Pictures of the scoreboard and the chart drawn from the shipped sheet, to be
// looked at (not a test): day 10 before, during and after its bouts, and the
// chart after it, scaled up three times without smoothing. Run it from the data folder:
//     cd data && ../build/dev/tests/ui/kelmar-drawing-shots /tmp/shots
#include <QImage>
#include <QString>
#include <cstdio>

#include "banzuke/procedures.h"
#include "basho/procedures.h"
#include "desktop/bout_card_drawing.h"
#include "desktop/chart_drawing.h"
#include "desktop/pixel_view.h"
#include "state/game_state.h"
#include "synthetic_pictures.h"

using namespace kelmar;

namespace {

constexpr int kDay = 10;

void Save(const QImage& picture, const QString& folder, const QString& name) {
    const QImage big =
        picture.scaled(picture.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QString path = folder + "/" + name;
    if (!big.save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER (run in the data folder)\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    try {
        const GameState state = testing::ShippedLeagueOnDay(kDay);
        QImage board = WhiteSurface(QSize(425, 161));
        DrawBoutCard(DayCardOf(state), board);
        Save(board, folder, "card.png");
        const DayPictures pictures = DayPictures::Load();
        for (int bout = 1; bout <= 16; ++bout) {
            pictures.LightLamps(board, bout);
            if (bout == 12)
                Save(board, folder, "day-in-progress.png");
            pictures.DrawTechnique(board, bout, bout % 4);  // code 0: no picture
            pictures.PutOutLamp(board, bout, bout % 2 ? Side::East : Side::West);
        }
        Save(board, folder, "day-finished.png");
        QImage chart = WhiteSurface(QSize(425, 321));
        DrawChart(ChartRowsOf(state), chart, Language::Japanese);
        Save(chart, folder, "chart.png");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
