// 力士カード on the desktop: the card of a career saved as a PNG of the core's
// layout, with the title picture, the ranks' colours and the champion's star;
// none for a career without a basho.
#include "record/career_card.h"

#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QtTest>
#include <set>

#include "desktop/career_window.h"
#include "record/career_record.h"
#include "record/career_script.h"
#include "window_test_support.h"

using namespace kelmar;
using namespace kelmar::testing;

namespace {

QRgb Rgb(uint32_t colour) {
    return qRgb(static_cast<int>(colour >> 16), static_cast<int>((colour >> 8) & 0xff),
                static_cast<int>(colour & 0xff));
}

// The same colour but for the antialiasing of an edge nearby.
bool Near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 8 && std::abs(qGreen(a) - qGreen(b)) <= 8 &&
           std::abs(qBlue(a) - qBlue(b)) <= 8;
}

}  // namespace

class CareerCardTest : public QObject {
    Q_OBJECT

  private slots:
    void TheCardOfACareerIsAPngOfItsLayout() {
        GameFolder folder;
        SetUpInstalledGame(folder);
        CareerRecord record("Kelmar.db");
        const std::vector<ScriptedBasho> career = {{5, "ooooooooxxxxxxx", false},
                                                   {3, "ooooooooooooooo", true},
                                                   {1, "oooooooooooooxx", false}};
        RecordScriptedCareer(record, "若楓", career);
        CareerRecordWindow window(nullptr, record);
        window.ShowCurrent();
        QVERIFY(window.KCard->isEnabled());
        QVERIFY(window.SaveCard(QStringLiteral("card.png")));

        QFile file(QStringLiteral("card.png"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
        const QImage card(QStringLiteral("card.png"));
        QVERIFY(card.width() >= 600 && card.height() >= 360);
        std::set<QRgb> colours;
        for (int y = 0; y < card.height(); ++y)
            for (int x = 0; x < card.width(); ++x) colours.insert(card.pixel(x, y));
        QVERIFY2(colours.size() > 50, qPrintable(QString::number(colours.size())));

        // The layout's points in their ranks' colours; the champion's under its star.
        const int64_t id = *record.CurrentOrLastCareer();
        const std::vector<BashoRow> basho = record.BashoOf(id);
        const CareerCard layout = ComposeCard(
            ComposeCover(*record.Career(id), basho, record.RivalsOf(id), record.AchievementsOf(id)),
            basho);
        QCOMPARE(card.size(), QSize(layout.width, layout.height));
        QCOMPARE(card.pixel(layout.points[0].x, layout.points[0].y), Rgb(kRankColours[4]));
        QCOMPARE(card.pixel(layout.points[2].x, layout.points[2].y), Rgb(kRankColours[0]));
        QVERIFY(Near(card.pixel(layout.points[1].x, layout.points[1].y - 4), Rgb(layout.star)));
        // The title picture in its place: not the paper.
        const CardRect& t = layout.title;
        int paper = 0;
        for (int y = t.top; y < t.top + t.height; y += 4)
            for (int x = t.left; x < t.left + t.width; x += 4)
                paper += card.pixel(x, y) == Rgb(layout.paper) ? 1 : 0;
        QVERIFY2(paper < 10, qPrintable(QString::number(paper)));
        // The shikona's line holds ink.
        int ink = 0;
        for (int y = 84 - 30; y < 84; ++y)
            for (int x = 28; x < 28 + 80; ++x) ink += card.pixel(x, y) != Rgb(layout.paper) ? 1 : 0;
        QVERIFY(ink > 100);
    }

    void NoCardWithoutABasho() {
        GameFolder folder;
        CareerRecord record("Kelmar.db");
        CareerRecordWindow window(nullptr, record);
        window.ShowCurrent();
        QVERIFY(!window.KCard->isEnabled());
        QVERIFY(!window.SaveCard(QStringLiteral("card.png")));
        QVERIFY(!QFile::exists(QStringLiteral("card.png")));
    }
};

QTEST_MAIN(CareerCardTest)
#include "career_card_test.moc"
