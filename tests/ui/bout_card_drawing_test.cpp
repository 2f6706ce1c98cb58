// The scoreboard: the day's figures from the sheet, the blank board of a new
// career, and the lamps and technique pictures of a day.
#include "desktop/bout_card_drawing.h"

#include <QtTest>
#include <set>

#include "basho/procedures.h"
#include "desktop/game_text.h"
#include "desktop/picture_copy.h"
#include "state/errors.h"
#include "state/game_state.h"
#include "state/picture_sheet.h"
#include "support/game_folder.h"
#include "synthetic_pictures.h"

using namespace kelmar;
using namespace kelmar::testing;

namespace {

const QSize kBoard(425, 161);
const QRgb kOld = qRgb(255, 0, 255);  // what the board held before

// Day 3 pairs slot 1 with 32 and slot 2 with 16, then the rest in order; slot
// s carries portrait number 40 - s, so that the card shows it follows the slots.
GameState DayThree() {
    GameState state;
    state.Torikumiday = 3;
    std::string line = "01320216";
    for (int s = 3; s <= 31; ++s)
        if (s != 16)
            line += (s < 10 ? "0" : "") + std::to_string(s);
    state.Match[3] = line + "trailing text is ignored";
    for (int s = 1; s <= kSlots; ++s)
        state.NameOfWres[s] = "Name" + std::string(s > 30 ? "0" : "") + std::to_string(40 - s);
    return state;
}

QRect Tile(int portrait, int j) {
    const sheet::Cell tile = sheet::PortraitTile(portrait, j);
    return QRect(tile.left, tile.top, tile.width, tile.height);
}

// The card of the state's day as the rules build it, refusals included, drawn.
void DrawDay(const GameState& state, QImage& board) {
    DrawBoutCard(DayCardOf(state), board);
}

QRect FigurePlace(int bout, bool west, int j) {
    return QRect(24 * (16 - bout) + 30, 18 * j + (west ? 72 : 0), 18, 18);
}

}  // namespace

class BoutCardDrawingTest : public QObject {
    Q_OBJECT

  private slots:
    void tilesOfNamedPortraits_data();
    void tilesOfNamedPortraits();
    void everyFigureStandsInItsColumnOnWhite();
    void workingPictureIs480By200();
    void missingSheetLeavesTheBoard();
    void fieldThatIsNoNumber();
    void figureWithoutACell_data();
    void figureWithoutACell();
    void blankBoardOfANewCareer();
    void finishedDay();
    void dayPicturesNameTheFirstMissing_data();
    void dayPicturesNameTheFirstMissing();
    void picturesAtTheirOwnSize();
};

void BoutCardDrawingTest::tilesOfNamedPortraits_data() {
    QTest::addColumn<int>("portrait");
    QTest::addColumn<int>("tileLeft");  // of tile 1; tiles 2 and 3 follow 24 apart
    QTest::addColumn<int>("tileTop");
    QTest::newRow("9: cell column 0, row 1") << 9 << 2 << 25;
    QTest::newRow("8: last cell of the first row") << 8 << 506 << 1;
    QTest::newRow("1") << 1 << 2 << 1;
    QTest::newRow("58") << 58 << 74 << 169;
}

// Slot 1 is east and slot 32 west in bout 1, at x 390; slot 2 is east and
// slot 16 west in bout 2; slot 31 is west in bout 16, at x 30.
void BoutCardDrawingTest::tilesOfNamedPortraits() {
    QFETCH(int, portrait);
    QFETCH(int, tileLeft);
    QFETCH(int, tileTop);
    GameFolder folder;
    SavePicture(folder, "力士.bmp", SyntheticSheet());
    GameState state = DayThree();
    state.NameOfWres[31] = "West16 " + std::to_string(portrait);  // " 9" reads as 9
    QImage board(kBoard, QImage::Format_RGB32);
    DrawDay(state, board);
    for (int j = 1; j <= 3; ++j) {
        const QRect tile(tileLeft + 24 * (j - 1), tileTop, 24, 23);
        const QRect place(30, 18 * j + 72, 18, 18);
        QVERIFY2(CheckCopied(board, place, tile).isEmpty(),
                 qPrintable(CheckCopied(board, place, tile)));
    }
    QVERIFY(CheckCopied(board, Span(390, 18, 408, 36), Tile(39, 1)).isEmpty());    // slot 1
    QVERIFY(CheckCopied(board, Span(390, 126, 408, 144), Tile(8, 3)).isEmpty());   // slot 32
    QVERIFY(CheckCopied(board, Span(366, 108, 384, 126), Tile(24, 2)).isEmpty());  // slot 16
}

void BoutCardDrawingTest::everyFigureStandsInItsColumnOnWhite() {
    GameFolder folder;
    SavePicture(folder, "力士.bmp", SyntheticSheet());
    const GameState state = DayThree();
    QImage board = SolidPicture(kBoard, kOld);
    DrawDay(state, board);
    QImage rest = board;
    const std::string& line = state.Match[3];
    for (int bout = 1; bout <= 16; ++bout) {
        const int pairSlots[2] = {std::stoi(line.substr(4 * bout - 4, 2)),
                                  std::stoi(line.substr(4 * bout - 2, 2))};
        for (int side = 0; side < 2; ++side)
            for (int j = 1; j <= 3; ++j) {
                const QRect place = FigurePlace(bout, side == 1, j);
                const QString fault = CheckCopied(board, place, Tile(40 - pairSlots[side], j));
                QVERIFY2(fault.isEmpty(),
                         qPrintable(QStringLiteral("bout %1: ").arg(bout) + fault));
                CopyRect(rest, place, SolidPicture(place.size(), qRgb(255, 255, 255)),
                         QRect(QPoint(0, 0), place.size()));
            }
    }
    QVERIFY(CheckFilled(rest, rest.rect(), qRgb(255, 255, 255)).isEmpty());
}

void BoutCardDrawingTest::workingPictureIs480By200() {
    GameFolder folder;
    SavePicture(folder, "力士.bmp", SyntheticSheet());
    QImage board = SolidPicture(QSize(500, 220), kOld);
    DrawDay(DayThree(), board);
    QVERIFY(CheckFilled(board, Span(0, 144, 480, 200), qRgb(255, 255, 255)).isEmpty());
    QVERIFY(CheckFilled(board, Span(480, 0, 500, 220), kOld).isEmpty());
    QVERIFY(CheckFilled(board, Span(0, 200, 500, 220), kOld).isEmpty());
}

void BoutCardDrawingTest::missingSheetLeavesTheBoard() {
    GameFolder folder;
    QImage board = SolidPicture(kBoard, kOld);
    QCOMPARE(PictureErrorText([&] { DrawDay(DayThree(), board); }),
             CannotOpen(folder, QStringLiteral("力士.bmp")));
    QVERIFY(CheckFilled(board, board.rect(), kOld).isEmpty());
}

void BoutCardDrawingTest::fieldThatIsNoNumber() {
    GameFolder folder;
    SavePicture(folder, "力士.bmp", SyntheticSheet());
    GameState state = DayThree();
    state.NameOfWres[7] = "Nameless";
    QImage board = SolidPicture(kBoard, kOld);
    QVERIFY_THROWS_EXCEPTION(ConversionError, DrawDay(state, board));
    state = DayThree();
    state.Match[3] = "0132";  // the second pair's fields are empty
    QVERIFY_THROWS_EXCEPTION(ConversionError, DrawDay(state, board));
    QVERIFY(CheckFilled(board, board.rect(), kOld).isEmpty());
}

// The sheet's figures end above the chart's strip: 72 of them, eight a row. A
// number without a figure is named and the board left as it was.
void BoutCardDrawingTest::figureWithoutACell_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("portrait 0") << "Name00"
                                << "四股名の番号 0";
    QTest::newRow("negative portrait") << "Name-3"
                                       << "四股名の番号 -3";
    QTest::newRow("first row over the strip") << "Name73"
                                              << "四股名の番号 73";
    QTest::newRow("largest two digits") << "Name99"
                                        << "四股名の番号 99";
}

void BoutCardDrawingTest::figureWithoutACell() {
    QFETCH(QString, name);
    QFETCH(QString, message);
    GameFolder folder;
    SavePicture(folder, "力士.bmp", SyntheticSheet());
    GameState state = DayThree();
    state.NameOfWres[20] = name.toStdString();
    QImage board = SolidPicture(kBoard, kOld);
    try {
        DrawDay(state, board);
        QFAIL("no RangeError");
    } catch (const RangeError& e) {
        QCOMPARE(FromGame(e.what()),
                 QStringLiteral("力士.bmp には") + message + QStringLiteral(" の絵がありません"));
    }
    QVERIFY(CheckFilled(board, board.rect(), kOld).isEmpty());
    state.NameOfWres[20] = "Name72";  // the last figure above the strip
    DrawDay(state, board);
}

void BoutCardDrawingTest::blankBoardOfANewCareer() {
    QImage board = SolidPicture(kBoard, kOld);
    ClearBoard(board);
    QVERIFY(CheckFilled(board, board.rect(), qRgb(255, 255, 255)).isEmpty());
    QImage large = SolidPicture(QSize(500, 220), kOld);
    ClearBoard(large);
    QVERIFY(CheckFilled(large, Span(0, 0, 480, 200), qRgb(255, 255, 255)).isEmpty());
    QVERIFY(CheckFilled(large, Span(480, 0, 500, 220), kOld).isEmpty());
}

namespace {

const QRgb kOn = qRgb(0, 200, 0), kOff = qRgb(60, 60, 60);
const QRgb kTechnique[] = {qRgb(200, 0, 0), qRgb(0, 0, 200), qRgb(200, 200, 0)};

void SaveDayPictures(const GameFolder& folder, std::set<std::string> missing = {}) {
    const std::pair<std::string, QRgb> files[] = {{"On.bmp", kOn},
                                                  {"Off.bmp", kOff},
                                                  {"oshi.bmp", kTechnique[0]},
                                                  {"hiki.bmp", kTechnique[1]},
                                                  {"nage.bmp", kTechnique[2]}};
    for (const auto& [name, colour] : files)
        if (!missing.count(name))
            SavePicture(folder, name, SolidPicture(QSize(24, 18), colour));
}

}  // namespace

// Sixteen bouts, the losers alternating, the winners' codes cycling through
// 0..4: a code outside 1..3 leaves the figures between the lamps alone.
void BoutCardDrawingTest::finishedDay() {
    GameFolder folder;
    SavePicture(folder, "力士.bmp", SyntheticSheet());
    SaveDayPictures(folder);
    QImage board(kBoard, QImage::Format_RGB32);
    DrawDay(DayThree(), board);
    const QImage card = board;
    const DayPictures pictures = DayPictures::Load();
    for (int bout = 1; bout <= 16; ++bout) {
        pictures.LightLamps(board, bout);
        pictures.DrawTechnique(board, bout, bout % 5);
        pictures.PutOutLamp(board, bout, bout % 2 ? Side::East : Side::West);
    }
    for (int bout = 1; bout <= 16; ++bout) {
        const int x = 410 - 24 * bout;
        const bool eastLost = bout % 2 == 1;
        QVERIFY(CheckFilled(board, QRect(x, 0, 24, 18), eastLost ? kOff : kOn).isEmpty());
        QVERIFY(CheckFilled(board, QRect(x, 142, 24, 18), eastLost ? kOn : kOff).isEmpty());
        const int code = bout % 5;
        const QRect middle(x, 70, 24, 18);
        if (code >= 1 && code <= 3)
            QVERIFY(CheckFilled(board, middle, kTechnique[code - 1]).isEmpty());
        else
            QCOMPARE(board.copy(middle), card.copy(middle));
    }
    QCOMPARE(board.copy(Span(0, 0, 26, 161)), card.copy(Span(0, 0, 26, 161)));
    QCOMPARE(board.copy(Span(410, 0, 425, 161)), card.copy(Span(410, 0, 425, 161)));
}

void BoutCardDrawingTest::dayPicturesNameTheFirstMissing_data() {
    QTest::addColumn<QStringList>("missing");
    QTest::addColumn<QString>("named");
    QTest::newRow("On") << QStringList{"On.bmp"} << "On.bmp";
    QTest::newRow("hiki") << QStringList{"hiki.bmp"} << "hiki.bmp";
    QTest::newRow("Off and nage") << QStringList{"nage.bmp", "Off.bmp"} << "Off.bmp";
}

void BoutCardDrawingTest::dayPicturesNameTheFirstMissing() {
    QFETCH(QStringList, missing);
    QFETCH(QString, named);
    GameFolder folder;
    std::set<std::string> names;
    for (const QString& m : missing) names.insert(m.toStdString());
    SaveDayPictures(folder, names);
    QCOMPARE(PictureErrorText([] { DayPictures::Load(); }), CannotOpen(folder, named));
}

void BoutCardDrawingTest::picturesAtTheirOwnSize() {
    GameFolder folder;
    SaveDayPictures(folder);
    SavePicture(folder, "On.bmp", SolidPicture(QSize(10, 5), kOn));
    SavePicture(folder, "nage.bmp", SolidPicture(QSize(30, 20), kTechnique[2]));
    const DayPictures pictures = DayPictures::Load();
    QImage board = SolidPicture(kBoard, kOld);
    pictures.LightLamps(board, 16);
    pictures.DrawTechnique(board, 16, 3);
    QVERIFY(CheckFilled(board, QRect(26, 0, 10, 5), kOn).isEmpty());
    QVERIFY(CheckFilled(board, QRect(26, 142, 10, 5), kOn).isEmpty());
    QVERIFY(CheckFilled(board, QRect(26, 70, 30, 20), kTechnique[2]).isEmpty());
    QCOMPARE(board.pixel(36, 0), kOld);
    QCOMPARE(board.pixel(26, 5), kOld);
    QCOMPARE(board.pixel(26, 147), kOld);
}

QTEST_GUILESS_MAIN(BoutCardDrawingTest)
#include "bout_card_drawing_test.moc"
