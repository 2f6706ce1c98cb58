// The picture generator's surfaces: straight colours from premultiplied ones
// come out the same on every processor, so the icon's translucent rim does.
#include <QtTest>

#include "pictures/canvas.h"

using kelmar::pictures::Supersampled;
using kelmar::pictures::Unpremultiplied;

class PictureCanvasTest : public QObject {
    Q_OBJECT

  private slots:
    void straightColourOfThese_data();
    void straightColourOfThese();
    void everyPremultipliedColourComesBackNearest();
    void pictureIsUnpremultipliedPixelByPixel();
    void groundDecidesTheAlphaChannel();
};

void PictureCanvasTest::straightColourOfThese_data() {
    QTest::addColumn<uint>("premultiplied");
    QTest::addColumn<uint>("straight");
    QTest::newRow("gold rim 75 of alpha 90 is 212.5, up") << 0x5a4b3a0eu << 0x5ad5a428u;
    QTest::newRow("half of alpha 2 is 127.5, up") << 0x02010100u << 0x02808000u;
    QTest::newRow("5 of alpha 6 is 212.5, up") << 0x06050000u << 0x06d50000u;
    QTest::newRow("no half: 1 of alpha 3 is 85") << 0x03010203u << 0x0355aaffu;
    QTest::newRow("opaque stays") << 0xff123456u << 0xff123456u;
    QTest::newRow("transparent is all zero") << 0x00000000u << 0x00000000u;
}

void PictureCanvasTest::straightColourOfThese() {
    QFETCH(uint, premultiplied);
    QFETCH(uint, straight);
    QCOMPARE(Unpremultiplied(QRgb(premultiplied)), QRgb(straight));
}

void PictureCanvasTest::everyPremultipliedColourComesBackNearest() {
    for (int alpha = 1; alpha <= 255; ++alpha) {
        for (int channel = 0; channel <= alpha; ++channel) {
            const QRgb straight = Unpremultiplied(qRgba(channel, 0, alpha - channel, alpha));
            // Nearest, halves up: twice the error is at most alpha, and a
            // half is never rounded down.
            const int error = qRed(straight) * alpha - channel * 255;
            QVERIFY2(
                2 * error <= alpha && 2 * error > -alpha,
                qPrintable(
                    QString("%1 of alpha %2 gave %3").arg(channel).arg(alpha).arg(qRed(straight))));
            QCOMPARE(qAlpha(straight), alpha);
            QCOMPARE(qPremultiply(straight), qRgba(channel, 0, alpha - channel, alpha));
        }
    }
}

void PictureCanvasTest::pictureIsUnpremultipliedPixelByPixel() {
    QImage premultiplied(256, 256, QImage::Format_ARGB32_Premultiplied);
    for (int alpha = 0; alpha < 256; ++alpha) {
        QRgb* row = reinterpret_cast<QRgb*>(premultiplied.scanLine(alpha));
        for (int x = 0; x < 256; ++x)
            row[x] = qRgba(qMin(x, alpha), alpha / 2, qMin(255 - x, alpha), alpha);
    }
    const QImage straight = Unpremultiplied(premultiplied);
    QCOMPARE(straight.format(), QImage::Format_ARGB32);
    QCOMPARE(straight.size(), premultiplied.size());
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            QCOMPARE(straight.pixel(x, y), Unpremultiplied(premultiplied.pixel(x, y)));
}

void PictureCanvasTest::groundDecidesTheAlphaChannel() {
    // A disc with a soft rim: translucent pixels on a clear ground, blends
    // with white on an opaque one.
    const auto disc = [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xd4, 0xa4, 0x28));
        p.drawEllipse(QRectF(2.3, 2.3, 11.4, 11.4));
    };
    const QImage clear = Supersampled(QSize(16, 16), 4, disc, Qt::transparent);
    QCOMPARE(clear.format(), QImage::Format_ARGB32);
    QCOMPARE(qAlpha(clear.pixel(0, 0)), 0);
    QCOMPARE(clear.pixel(8, 8), qRgb(0xd4, 0xa4, 0x28));
    int translucent = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) translucent += qAlpha(clear.pixel(x, y)) % 255 != 0;
    QVERIFY(translucent > 0);
    const QImage opaque = Supersampled(QSize(16, 16), 4, disc);
    QCOMPARE(opaque.format(), QImage::Format_RGB32);
    QCOMPARE(opaque.pixel(0, 0), qRgb(255, 255, 255));
}

QTEST_MAIN(PictureCanvasTest)
#include "picture_canvas_test.moc"
