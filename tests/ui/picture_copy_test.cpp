// The one copy routine: which source pixel each destination pixel takes, the
// clipping, the highlight, and reading bitmap files.
#include "desktop/picture_copy.h"

#include <QtTest>
#include <vector>

#include "support/game_folder.h"
#include "synthetic_pictures.h"

using namespace kelmar;
using namespace kelmar::testing;

Q_DECLARE_METATYPE(std::vector<int>)

class PictureCopyTest : public QObject {
    Q_OBJECT

  private slots:
    void stretchReadsTheseSourcePixels_data();
    void stretchReadsTheseSourcePixels();
    void plainCopyLeavesTheRestAlone();
    void clippedCopyKeepsTheMapping();
    void cellOffTheSourceDrawsNothing();
    void highlightTurnsOnlyPureBlack();
    void loadsABitmapAsRgb32();
    void unreadablePictureNamesItsPath_data();
    void unreadablePictureNamesItsPath();
};

void PictureCopyTest::stretchReadsTheseSourcePixels_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<std::vector<int>>("read");
    QTest::newRow("tile width 24 -> 18")
        << 24 << 18
        << std::vector<int>{0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, 16, 17, 18, 20, 21, 22};
    QTest::newRow("tile height 23 -> 18")
        << 23 << 18
        << std::vector<int>{0, 1, 2, 3, 5, 6, 7, 8, 10, 11, 12, 14, 15, 16, 17, 19, 20, 21};
    QTest::newRow("star 15 -> 11")
        << 15 << 11 << std::vector<int>{0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13};
    QTest::newRow("plate 47 -> 53")
        << 47 << 53
        << std::vector<int>{0,  0,  1,  2,  3,  4,  5,  6,  7,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                            15, 16, 17, 18, 19, 20, 21, 22, 23, 23, 24, 25, 26, 27, 28, 29, 30, 31,
                            31, 32, 33, 34, 35, 36, 37, 38, 39, 39, 40, 41, 42, 43, 44, 45, 46};
    QTest::newRow("equal sizes") << 5 << 5 << std::vector<int>{0, 1, 2, 3, 4};
}

// Both axes at once: the source rectangle is from x wide and from high.
void PictureCopyTest::stretchReadsTheseSourcePixels() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(std::vector<int>, read);
    const QImage sheet = SyntheticSheet();
    QImage dst = SolidPicture(QSize(80, 80), qRgb(1, 2, 3));
    const QPoint srcCorner(70, 30), dstCorner(3, 2);
    CopyRect(dst, QRect(dstCorner, QSize(to, to)), sheet, QRect(srcCorner, QSize(from, from)));
    for (int dy = 0; dy < to; ++dy)
        for (int dx = 0; dx < to; ++dx)
            QCOMPARE(SheetPlace(dst.pixel(dstCorner + QPoint(dx, dy))),
                     srcCorner + QPoint(read[dx], read[dy]));
}

void PictureCopyTest::plainCopyLeavesTheRestAlone() {
    const QImage sheet = SyntheticSheet();
    QImage dst = SolidPicture(QSize(30, 30), qRgb(9, 9, 9));
    CopyRect(dst, Span(10, 12, 15, 18), sheet, Span(300, 40, 305, 46));
    QVERIFY(CheckCopied(dst, Span(10, 12, 15, 18), Span(300, 40, 305, 46)).isEmpty());
    int untouched = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) untouched += dst.pixel(x, y) == qRgb(9, 9, 9) ? 1 : 0;
    QCOMPARE(untouched, 30 * 30 - 5 * 6);
}

// A rectangle half off the destination: what remains takes the same source
// pixels as in the whole copy.
void PictureCopyTest::clippedCopyKeepsTheMapping() {
    const QImage sheet = SyntheticSheet();
    QImage dst = SolidPicture(QSize(20, 10), qRgb(9, 9, 9));
    const QRect place = Span(-7, 4, 17, 27), cell = Span(50, 25, 74, 48);
    CopyRect(dst, place, sheet, cell);
    QVERIFY2(CheckCopied(dst, place, cell).isEmpty(), qPrintable(CheckCopied(dst, place, cell)));
    QVERIFY(CheckFilled(dst, Span(17, 0, 20, 10), qRgb(9, 9, 9)).isEmpty());
    QVERIFY(CheckFilled(dst, Span(0, 0, 20, 4), qRgb(9, 9, 9)).isEmpty());
}

void PictureCopyTest::cellOffTheSourceDrawsNothing() {
    const QImage sheet = SyntheticSheet(QSize(40, 30));
    for (const QRect& cell : {Span(30, 0, 41, 10), Span(-1, 0, 10, 10), Span(0, 25, 10, 31)}) {
        QImage dst = SolidPicture(QSize(20, 20), qRgb(9, 9, 9));
        CopyRect(dst, Span(0, 0, 11, 10), sheet, cell);
        CopyRectHighlight(dst, Span(0, 0, 8, 8), sheet, cell, qRgb(255, 0, 0));
        QVERIFY(CheckFilled(dst, dst.rect(), qRgb(9, 9, 9)).isEmpty());
    }
}

void PictureCopyTest::highlightTurnsOnlyPureBlack() {
    QImage src = SolidPicture(QSize(4, 1), qRgb(0, 0, 0));
    src.setPixel(1, 0, qRgb(1, 0, 0));
    src.setPixel(2, 0, qRgb(0, 0, 1));
    src.setPixel(3, 0, qRgb(200, 100, 50));
    QImage dst = SolidPicture(QSize(8, 1), qRgb(9, 9, 9));
    CopyRectHighlight(dst, Span(0, 0, 8, 1), src, src.rect(), 0x0000FF);
    const std::vector<QRgb> want = {qRgb(0, 0, 255),    qRgb(0, 0, 255),   qRgb(1, 0, 0),
                                    qRgb(1, 0, 0),      qRgb(0, 0, 1),     qRgb(0, 0, 1),
                                    qRgb(200, 100, 50), qRgb(200, 100, 50)};
    for (int x = 0; x < 8; ++x) QCOMPARE(dst.pixel(x, 0), want[static_cast<size_t>(x)]);
}

void PictureCopyTest::loadsABitmapAsRgb32() {
    GameFolder folder;
    const QImage sheet = SyntheticSheet(QSize(61, 37));
    SavePicture(folder, "力士.bmp", sheet);
    SavePicture(folder, "grey.bmp", sheet.convertToFormat(QImage::Format_Grayscale8));
    const QImage loaded = LoadPicture(folder.path() + "/力士.bmp");
    QCOMPARE(loaded.format(), QImage::Format_RGB32);
    QCOMPARE(loaded, sheet);
    QCOMPARE(LoadPicture(folder.path() + "/grey.bmp").format(), QImage::Format_RGB32);
}

void PictureCopyTest::unreadablePictureNamesItsPath_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not a bitmap") << QByteArray("BM this is no picture");
    QTest::newRow("a PNG under a bitmap's name") << QByteArray("\x89PNG\r\n\x1a\n");
}

void PictureCopyTest::unreadablePictureNamesItsPath() {
    QFETCH(QByteArray, bytes);
    GameFolder folder;
    if (!bytes.isEmpty())
        folder.Write("On.bmp", bytes.toStdString());
    QCOMPARE(PictureErrorText([&] { LoadPicture(folder.path() + "/On.bmp"); }),
             CannotOpen(folder, QStringLiteral("On.bmp")));
}

QTEST_GUILESS_MAIN(PictureCopyTest)
#include "picture_copy_test.moc"
