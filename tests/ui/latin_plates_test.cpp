// The English sheet's name plates read back with the generator's own glyphs:
// every plate of the shipped sheet spells the reading of its number's name,
// each line in its face and band, letters apart and nothing else inked; and
// where a reading too long for one line breaks.
#include <QtTest>

#include "lang/pictures.h"
#include "pictures/latin.h"
#include "pictures/league.h"
#include "state/picture_sheet.h"

using namespace kelmar;
using namespace kelmar::pictures;

namespace {

bool Black(const QImage& sheet, int x, int y) {
    return sheet.pixel(x, y) == qRgb(0, 0, 0);
}

// The letters of one line of a plate: runs of inked columns within the
// line's rows, each matched against the face's glyphs of its width. A run no
// glyph matches reads as '?'.
QString ReadLine(const QImage& sheet, const QRect& plate, int top, const LatinFace& face) {
    const auto inked = [&](int x) {
        for (int row = 0; row < face.height; ++row)
            if (Black(sheet, plate.left() + x, plate.top() + top + row))
                return true;
        return false;
    };
    QString text;
    for (int x = 0; x < plate.width();) {
        if (!inked(x)) {
            ++x;
            continue;
        }
        int end = x;
        while (end < plate.width() && inked(end)) ++end;
        char found = '?';
        for (const auto& [letter, glyph] : face.glyphs) {
            if (glyph.width != end - x)
                continue;
            bool same = true;
            for (int row = 0; row < face.height && same; ++row)
                for (int c = 0; c < glyph.width && same; ++c)
                    same = (glyph.rows[size_t(row)][size_t(c)] == '#') ==
                           Black(sheet, plate.left() + x + c, plate.top() + top + row);
            if (same)
                found = letter;
        }
        text += QChar(found);
        x = end;
    }
    return text;
}

// Inked pixels of the plate outside these bands of rows.
int InkOutside(const QImage& sheet, const QRect& plate,
               const std::vector<std::pair<int, int>>& bands) {
    int n = 0;
    for (int y = 0; y < plate.height(); ++y) {
        bool inBand = false;
        for (const auto& [top, height] : bands) inBand |= y >= top && y < top + height;
        for (int x = 0; x < plate.width() && !inBand; ++x)
            n += Black(sheet, plate.left() + x, plate.top() + y);
    }
    return n;
}

}  // namespace

class LatinPlatesTest : public QObject {
    Q_OBJECT

  private slots:
    void everyPlateSpellsItsReading() {
        const QImage sheet =
            QImage(QStringLiteral(KELMAR_DATA_DIR "/") + QString::fromLatin1(kEnglishSheetFile))
                .convertToFormat(QImage::Format_RGB32);
        QVERIFY(!sheet.isNull());
        const QString data = QStringLiteral(KELMAR_DATA_DIR);
        const auto readings = PortraitReadings(ReadLeague(data), data);
        QCOMPARE(readings.size(), size_t(58));
        int twoLines = 0;
        for (const auto& [n, reading] : readings) {
            const sheet::Cell cell = sheet::PlateCell(n);
            const QRect plate(cell.left, cell.top, cell.width, cell.height);
            const auto lines = PlateLines(reading);
            QString read;
            if (lines.size() == 1) {
                read = ReadLine(sheet, plate, kTallLineTop, TallFace());
                QCOMPARE(InkOutside(sheet, plate, {{kTallLineTop, TallFace().height}}), 0);
            } else {
                ++twoLines;
                const QString first = ReadLine(sheet, plate, kSmallLineTops[0], SmallFace());
                QVERIFY2(first.endsWith('-'), qPrintable(first));
                read = first.chopped(1) + ReadLine(sheet, plate, kSmallLineTops[1], SmallFace());
                QCOMPARE(InkOutside(sheet, plate,
                                    {{kSmallLineTops[0], SmallFace().height},
                                     {kSmallLineTops[1], SmallFace().height}}),
                         0);
            }
            QCOMPARE(read, QString::fromStdString(reading));
        }
        QCOMPARE(twoLines, 3);  // the readings of thirteen letters
    }

    void aLongReadingBreaksBeforeItsEndingOrAtASyllable_data() {
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("one line holds eleven letters")
            << "Asagiriyama" << QStringList{"Asagiriyama"};
        QTest::newRow("before yama, not at the middle")
            << "Shiroganeyama" << QStringList{"Shirogane-", "yama"};
        QTest::newRow("before ikazuchi, though it begins with a vowel")
            << "Chiyoikazuchi" << QStringList{"Chiyo-", "ikazuchi"};
        QTest::newRow("no ending: the syllable nearest the middle")
            << "Kotobukitakara" << QStringList{"Kotobu-", "kitakara"};
        QTest::newRow("after a syllabic n")
            << "Tenshinkagenbo" << QStringList{"Tenshin-", "kagenbo"};
    }
    void aLongReadingBreaksBeforeItsEndingOrAtASyllable() {
        QFETCH(QString, reading);
        QFETCH(QStringList, lines);
        QStringList got;
        for (const std::string& line : PlateLines(reading.toStdString()))
            got << QString::fromStdString(line);
        QCOMPARE(got, lines);
    }

    void aReadingThatCannotBeDrawnIsRefused() {
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, PlateLines("Ryūsei"));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, PlateLines("Mmmmmmmmmmmmmmmmmmmmmmmm"));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, PlateLines(""));
    }
};

QTEST_MAIN(LatinPlatesTest)
#include "latin_plates_test.moc"
