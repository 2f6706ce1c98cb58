// The banzuke chart: every element of a row from its cell of the sheet, at
// its place, in its colour.
#include "desktop/chart_drawing.h"

#include <QtTest>
#include <vector>

#include "banzuke/procedures.h"
#include "desktop/game_text.h"
#include "desktop/picture_copy.h"
#include "game/game.h"
#include "state/errors.h"
#include "state/game_state.h"
#include "state/picture_sheet.h"
#include "support/game_folder.h"
#include "synthetic_pictures.h"

using namespace kelmar;
using namespace kelmar::testing;

namespace {

const QSize kImage1(425, 321);
const QRgb kWhite = qRgb(255, 255, 255), kOld = qRgb(255, 0, 255);
const QRgb kRed = qRgb(255, 0, 0), kBlue = qRgb(0, 0, 255);

QRect Rect(const sheet::Cell& c) {
    return QRect(c.left, c.top, c.width, c.height);
}
const QRect kSeparator = Rect(sheet::SeparatorCell()), kStar = Rect(sheet::StarCell());
QRect Digit(int d) {
    return Rect(sheet::DigitCell(d));
}
QRect Rank(int k) {
    return Rect(sheet::RankCell(k));
}

// Day 10 of a league where slot s is a maegashira with s div 3 wins, portrait
// number s, and no experience.
GameState DayTen() {
    GameState state;
    state.Torikumiday = 10;
    for (int s = 1; s <= kSlots; ++s) {
        state.Stage[s] = "5";
        state.NameOfWres[s] = "Name" + std::string(s < 10 ? "0" : "") + std::to_string(s);
        state.W[s] = s / 3;
        state.Age[s] = 30;
    }
    return state;
}

struct Element {
    QRect place;
    QRect cell;
    std::optional<QRgb> highlight;
};

QString CheckElements(const QImage& chart, const std::vector<Element>& elements) {
    for (const Element& e : elements) {
        if (e.highlight && GlyphPixels(e.cell) == 0)
            return QStringLiteral("cell without glyphs");
        const QString fault = CheckCopied(chart, e.place, e.cell, e.highlight);
        if (!fault.isEmpty())
            return fault;
    }
    return {};
}

// The rows of the state as the rules build them, refusals included, drawn.
void DrawChartOf(const GameState& state, QImage& target) {
    DrawChart(ChartRowsOf(state), target, Language::Japanese);
}

QImage Chart(const GameState& state, QSize size = kImage1) {
    QImage target = SolidPicture(size, kOld);
    DrawChartOf(state, target);
    return target;
}

class SheetInFolder {
  public:
    SheetInFolder() { SavePicture(folder, "力士.bmp", SyntheticSheet()); }
    GameFolder folder;
};

}  // namespace

class ChartDrawingTest : public QObject {
    Q_OBJECT

  private slots:
    void lastRowOfTheLeftHalf();
    void firstRowOfTheRightHalf();
    void starsByExperience_data();
    void starsByExperience();
    void plateOfPortraitOne_data();
    void plateOfPortraitOne();
    void nothingElseIsDrawn();
    void valuesWithoutACellAreRefused_data();
    void valuesWithoutACellAreRefused();
    void rankCodeThatIsNoNumber();
    void missingSheetDrawsNoChart();
    void columnTitles();
};

// Slot 16: a sekiwake with 8 wins after 10 days, 39 experience, portrait 10.
void ChartDrawingTest::lastRowOfTheLeftHalf() {
    SheetInFolder sheet;
    GameState state = DayTen();
    state.Stage[16] = "3";
    state.W[16] = 8;
    state.E[16] = 39;
    state.NameOfWres[16] = "Name10";
    const QImage chart = Chart(state);
    const QString fault =
        CheckElements(chart, {{Span(0, 288, 31, 305), Rank(3), {}},
                              {Span(100, 288, 115, 305), Digit(8), kRed},
                              {Span(116, 288, 131, 305), kSeparator, {}},
                              {Span(132, 288, 147, 305), Digit(2), {}},
                              {Span(152, 288, 163, 305), kStar, {}},
                              {Span(164, 288, 175, 305), kStar, {}},
                              {Span(176, 288, 187, 305), kStar, {}},
                              {Span(40, 288, 93, 305), Span(434, 250, 481, 267), {}}});
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QVERIFY(CheckFilled(chart, Span(188, 288, 216, 305), kWhite).isEmpty());
}

// Slot 17: the player, a maegashira with 7 wins and 8 losses after 15 days,
// 40 experience, portrait 11.
void ChartDrawingTest::firstRowOfTheRightHalf() {
    SheetInFolder sheet;
    GameState state = DayTen();
    state.Torikumiday = 15;
    state.W[17] = 7;
    state.E[17] = 40;
    state.Age[17] = 125;
    state.NameOfWres[17] = "Name11";
    const QImage chart = Chart(state);
    const QString fault =
        CheckElements(chart, {{Span(216, 18, 247, 35), Rank(5), {}},
                              {Span(316, 18, 331, 35), Digit(7), {}},
                              {Span(332, 18, 347, 35), kSeparator, {}},
                              {Span(348, 18, 363, 35), Digit(8), {}},
                              {Span(368, 18, 379, 35), kStar, {}},
                              {Span(380, 18, 391, 35), kStar, {}},
                              {Span(392, 18, 403, 35), kStar, {}},
                              {Span(404, 18, 415, 35), kStar, {}},
                              {Span(256, 18, 309, 35), Span(2, 268, 49, 285), kBlue}});
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void ChartDrawingTest::starsByExperience_data() {
    QTest::addColumn<int>("experience");
    QTest::addColumn<int>("stars");
    QTest::newRow("9") << 9 << 0;
    QTest::newRow("10") << 10 << 1;
    QTest::newRow("39") << 39 << 3;
    QTest::newRow("40") << 40 << 4;
    QTest::newRow("55") << 55 << 4;
    QTest::newRow("-5") << -5 << 0;
    QTest::newRow("-15") << -15 << 0;
}

void ChartDrawingTest::starsByExperience() {
    QFETCH(int, experience);
    QFETCH(int, stars);
    SheetInFolder sheet;
    GameState state = DayTen();
    state.E[1] = experience;
    const QImage chart = Chart(state);
    for (int j = 1; j <= stars; ++j) {
        const QRect place = Span(140 + 12 * j, 18, 151 + 12 * j, 35);
        QVERIFY2(CheckCopied(chart, place, kStar).isEmpty(),
                 qPrintable(CheckCopied(chart, place, kStar)));
    }
    QVERIFY(CheckFilled(chart, Span(152 + 12 * stars, 18, 216, 35), kWhite).isEmpty());
}

void ChartDrawingTest::plateOfPortraitOne_data() {
    QTest::addColumn<int>("age");
    QTest::addColumn<bool>("blue");
    QTest::newRow("a rikishi of 99") << 99 << false;
    QTest::newRow("the player at 100") << 100 << true;
    QTest::newRow("the player at 122") << 122 << true;
}

void ChartDrawingTest::plateOfPortraitOne() {
    QFETCH(int, age);
    QFETCH(bool, blue);
    SheetInFolder sheet;
    GameState state = DayTen();
    state.Age[1] = age;
    const QImage chart = Chart(state);
    const QString fault =
        CheckElements(chart, {{Span(40, 18, 93, 35), Span(2, 250, 49, 267),
                               blue ? std::optional<QRgb>(kBlue) : std::nullopt}});
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

// Every pixel of the 430 x 330 picture outside the 32 rows' elements is
// white, and the target beyond it is not touched.
void ChartDrawingTest::nothingElseIsDrawn() {
    SheetInFolder sheet;
    GameState state = DayTen();
    for (int s = 1; s <= kSlots; ++s) state.E[s] = 40;
    QImage chart = Chart(state, QSize(440, 340));
    for (int s = 1; s <= kSlots; ++s) {
        const int x0 = s <= 16 ? 0 : 216, y = 18 * (s <= 16 ? s : s - 16);
        for (const auto& [left, right] : {std::pair{0, 31}, {100, 147}, {152, 200}, {40, 93}})
            CopyRect(chart, Span(x0 + left, y, x0 + right, y + 17), SolidPicture({60, 17}, kWhite),
                     QRect(0, 0, 60, 17));
    }
    QVERIFY(CheckFilled(chart, QRect(0, 0, 430, 330), kWhite).isEmpty());
    QVERIFY(CheckFilled(chart, Span(430, 0, 440, 340), kOld).isEmpty());
    QVERIFY(CheckFilled(chart, Span(0, 330, 440, 340), kOld).isEmpty());
}

// No cell is read from elsewhere on the sheet and none is left out without a
// word: the value is named and no chart is drawn.
void ChartDrawingTest::valuesWithoutACellAreRefused_data() {
    QTest::addColumn<int>("wins");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("rank");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("16 wins") << 16 << 15 << "5"
                             << "Name05"
                             << "勝ち数 16";
    QTest::newRow("negative wins") << -1 << 10 << "5"
                                   << "Name05"
                                   << "勝ち数 -1";
    QTest::newRow("more wins than days") << 11 << 10 << "5"
                                         << "Name05"
                                         << "負け数 -1";
    QTest::newRow("16 losses") << 0 << 16 << "5"
                               << "Name05"
                               << "負け数 16";
    QTest::newRow("rank 0") << 3 << 10 << "0"
                            << "Name05"
                            << "番付 0";
    QTest::newRow("rank 6") << 3 << 10 << "6"
                            << "Name05"
                            << "番付 6";
    QTest::newRow("portrait 0") << 3 << 10 << "5"
                                << "Name00"
                                << "四股名の番号 0";
    QTest::newRow("plate row below the sheet") << 3 << 10 << "5"
                                               << "Name99"
                                               << "四股名の番号 99";
}

void ChartDrawingTest::valuesWithoutACellAreRefused() {
    QFETCH(int, wins);
    QFETCH(int, day);
    QFETCH(QString, rank);
    QFETCH(QString, name);
    QFETCH(QString, message);
    SheetInFolder sheet;
    GameState state = DayTen();
    state.Torikumiday = day;
    state.W[5] = wins;
    state.Stage[5] = rank.toStdString();
    state.NameOfWres[5] = name.toStdString();
    QImage target = SolidPicture(kImage1, kOld);
    try {
        DrawChartOf(state, target);
        QFAIL("no RangeError");
    } catch (const RangeError& e) {
        QCOMPARE(FromGame(e.what()),
                 QStringLiteral("力士.bmp には") + message + QStringLiteral(" の絵がありません"));
    }
    QVERIFY(CheckFilled(target, target.rect(), kOld).isEmpty());
}

void ChartDrawingTest::rankCodeThatIsNoNumber() {
    SheetInFolder sheet;
    GameState state = DayTen();
    state.Stage[20] = "";
    QImage target = SolidPicture(kImage1, kOld);
    QVERIFY_THROWS_EXCEPTION(ConversionError, DrawChartOf(state, target));
    QVERIFY(CheckFilled(target, target.rect(), kOld).isEmpty());
}

void ChartDrawingTest::missingSheetDrawsNoChart() {
    GameFolder folder;
    QImage target = SolidPicture(kImage1, kOld);
    QCOMPARE(PictureErrorText([&] { DrawChartOf(DayTen(), target); }),
             CannotOpen(folder, QStringLiteral("力士.bmp")));
    QVERIFY(CheckFilled(target, target.rect(), kOld).isEmpty());
}

// In a fixed-pitch font every byte of the Shift-JIS title is 8 pixels wide:
// the words stand over the rank (0), plate (40), record (104) and star (152)
// columns of both halves.
void ChartDrawingTest::columnTitles() {
    const std::string bytes = ChartTitles();
    QCOMPARE(FromGame(bytes),
             QStringLiteral("番付 四股名  勝敗  経験値  番付 四股名  勝敗  経験値"));
    QCOMPARE(bytes.find(ToGame(QStringLiteral("四股名"))) * 8, 40u);
    QCOMPARE(bytes.find(ToGame(QStringLiteral("勝敗"))) * 8, 104u);
    QCOMPARE(bytes.find(ToGame(QStringLiteral("経験値"))) * 8, 152u);
    QCOMPARE(bytes.rfind(ToGame(QStringLiteral("番付"))) * 8, 216u);
}

QTEST_GUILESS_MAIN(ChartDrawingTest)
#include "chart_drawing_test.moc"
