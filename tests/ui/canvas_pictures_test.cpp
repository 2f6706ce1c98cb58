// The pictures of canvas/, which every frontend composes from, against the
// desktop's toolkit: the bitmap reader reads every file as Qt's reader does,
// and the day card, the lamps, the film's frames and the chart come out as
// the desktop draws them into its images, for the shipped league after a
// first basho played on a fixed clock. Until the desktop drew through
// canvas/, this held its pictures to those Qt drew; the hashes of
// tests/canvas/composition_test were taken then.
#include <QImageReader>
#include <QtTest>
#include <filesystem>

#include "banzuke/procedures.h"
#include "basho/procedures.h"
#include "canvas/bitmap.h"
#include "canvas/chart.h"
#include "canvas/scoreboard.h"
#include "desktop/bout_card_drawing.h"
#include "desktop/chart_drawing.h"
#include "desktop/picture_copy.h"
#include "desktop/pixel_view.h"
#include "lang/pictures.h"
#include "state/text_file.h"
#include "support/game_folder.h"
#include "support/shipped_league.h"
#include "synthetic_pictures.h"

using namespace kelmar;
using namespace kelmar::testing;

namespace {

// What Qt's reader makes of a file, as 32-bit RGB; null when it refuses it.
QImage QtReading(const std::string& path) {
    QImageReader reader(QString::fromStdString(path), "bmp");
    const QImage image = reader.read();
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

QImage Image(const canvas::Picture& picture) {
    return QImage(reinterpret_cast<const uchar*>(picture.data()), picture.width(), picture.height(),
                  picture.width() * 4, QImage::Format_RGB32)
        .copy();
}

QString Difference(const QImage& got, const QImage& want) {
    if (got.size() != want.size())
        return QStringLiteral("size %1 x %2, expected %3 x %4")
            .arg(got.width())
            .arg(got.height())
            .arg(want.width())
            .arg(want.height());
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x)
            if ((got.pixel(x, y) | 0xFF000000) != (want.pixel(x, y) | 0xFF000000))
                return QStringLiteral("(%1, %2) is %3, expected %4")
                    .arg(x)
                    .arg(y)
                    .arg(got.pixel(x, y), 8, 16)
                    .arg(want.pixel(x, y), 8, 16);
    return {};
}

#define EXPECT_PIXELS(got, want)                         \
    do {                                                 \
        const QString fault = Difference((got), (want)); \
        QVERIFY2(fault.isEmpty(), qPrintable(fault));    \
    } while (false)

// A game folder with the shipped data and the league after a first basho
// played on a fixed clock, on the morning of `day` of the next.
struct League {
    explicit League(int day) {
        folder.CopyAllData();
        state = ShippedLeagueAfterFirstBasho();
        state.Torikumiday = day;
    }
    GameFolder folder;
    GameState state;
};

}  // namespace

class CanvasPicturesTest : public QObject {
    Q_OBJECT

  private slots:
    void shippedBitmapsReadAsQtReadsThem();
    void bitmapsQtWritesReadAlike_data();
    void bitmapsQtWritesReadAlike();
    void dayCardAndLampsAsTheDesktopDrawsThem_data();
    void dayCardAndLampsAsTheDesktopDrawsThem();
    void chartAsTheDesktopDrawsIt();
    void filmFramesAsTheDesktopShowsThem();
};

void CanvasPicturesTest::shippedBitmapsReadAsQtReadsThem() {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(KELMAR_DATA_DIR)) {
        if (entry.path().extension() != ".bmp")
            continue;
        const std::string path = entry.path().string();
        const QImage want = QtReading(path);
        QVERIFY2(!want.isNull(), path.c_str());
        EXPECT_PIXELS(Image(canvas::ReadPicture(path)), want);
        ++files;
    }
    QCOMPARE(files, 22);  // every picture of the game, the English sheet and title included
}

void CanvasPicturesTest::bitmapsQtWritesReadAlike_data() {
    QTest::addColumn<QImage>("picture");
    const QImage sheet = SyntheticSheet(QSize(61, 37));
    QTest::newRow("24 bits, rows padded") << sheet;
    QTest::newRow("32 bits with alpha") << sheet.convertToFormat(QImage::Format_ARGB32);
    QTest::newRow("8 bits of grey") << sheet.convertToFormat(QImage::Format_Grayscale8);
    QTest::newRow("8 bits, a colour table")
        << sheet.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    QTest::newRow("1 bit") << sheet.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    QTest::newRow("one pixel") << SolidPicture(QSize(1, 1), qRgb(1, 2, 3));
}

void CanvasPicturesTest::bitmapsQtWritesReadAlike() {
    QFETCH(QImage, picture);
    GameFolder folder;
    SavePicture(folder, "p.bmp", picture);
    const std::string path = folder.path() + "/p.bmp";
    const QImage want = QtReading(path);
    QVERIFY(!want.isNull());
    EXPECT_PIXELS(Image(canvas::ReadPicture(path)), want);
}

void CanvasPicturesTest::dayCardAndLampsAsTheDesktopDrawsThem_data() {
    QTest::addColumn<int>("day");
    for (int day : {1, 8, 15}) QTest::addRow("day %d", day) << day;
}

void CanvasPicturesTest::dayCardAndLampsAsTheDesktopDrawsThem() {
    QFETCH(int, day);
    League league(day);
    const DayCard card = DayCardOf(league.state);
    QImage board = WhiteSurface(QSize(425, 161));
    canvas::Picture pixels(425, 161);
    DrawBoutCard(card, board);
    canvas::DrawBoutCard(card, pixels);
    EXPECT_PIXELS(Image(pixels), board);
    const DayPictures pictures = DayPictures::Load();
    const canvas::DayPictures canvasPictures = canvas::DayPictures::Load();
    for (int bout = 1; bout <= kBoutsADay; ++bout) {
        pictures.LightLamps(board, bout);
        canvasPictures.LightLamps(pixels, bout);
        EXPECT_PIXELS(Image(pixels), board);
        const Side loser = (bout + day) % 3 == 0 ? Side::East : Side::West;
        pictures.DrawTechnique(board, bout, bout % 4);
        canvasPictures.DrawTechnique(pixels, bout, bout % 4);
        pictures.PutOutLamp(board, bout, loser);
        canvasPictures.PutOutLamp(pixels, bout, loser);
        EXPECT_PIXELS(Image(pixels), board);
    }
    ClearBoard(board);
    canvas::ClearBoard(pixels);
    EXPECT_PIXELS(Image(pixels), board);
}

void CanvasPicturesTest::chartAsTheDesktopDrawsIt() {
    League league(15);
    ChartRows rows = ChartRowsOf(league.state);
    rows[3].wins = 9;  // a red win count, whatever the first basho left
    QImage image1 = WhiteSurface(QSize(425, 321));
    canvas::Picture pixels(425, 321);
    DrawChart(rows, image1, Language::Japanese);
    canvas::DrawChart(rows, pixels, SheetFileIn(Language::Japanese));
    EXPECT_PIXELS(Image(pixels), image1);
    QVERIFY(std::any_of(rows.begin(), rows.end(), [](const ChartRow& r) { return r.player; }));
}

void CanvasPicturesTest::filmFramesAsTheDesktopShowsThem() {
    GameFolder folder;
    folder.CopyAllData();
    for (char letter = 'a'; letter <= 'm'; ++letter)
        EXPECT_PIXELS(Image(canvas::FilmFrame(letter)),
                      LoadPicture(GameFolderPath(std::string(1, letter) + ".bmp")));
}

QTEST_GUILESS_MAIN(CanvasPicturesTest)
#include "canvas_pictures_test.moc"
