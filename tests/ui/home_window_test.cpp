// The home of the main window: its buttons' states at start-up without and
// with a saved game (and with one that cannot be read), each button's way in,
// and the home making way for the board when a career starts and coming back
// when it ends, with the career's cover beside it.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "desktop/archive_window.h"
#include "desktop/career_window.h"
#include "desktop/home_face.h"
#include "desktop/past_careers_window.h"
#include "desktop/pixel_view.h"
#include "desktop/window_layout.h"
#include "state/encoding.h"
#include "state/strings.h"
#include "window_test_support.h"

using namespace kelmar;
using namespace kelmar::testing;

namespace {

struct ButtonStates {
    bool home, newGame, resume, record, past, archive;
};

void CompareStates(const TfrmKelmar& w, const ButtonStates& expected, const char* moment) {
    const HomeFace& home = *w.Home;
    QVERIFY2(home.isVisible() == expected.home, moment);
    if (!expected.home)
        return;
    QVERIFY2(home.NewButton->isEnabled() == expected.newGame, moment);
    QVERIFY2(home.ResumeButton->isEnabled() == expected.resume, moment);
    QVERIFY2(home.RecordButton->isEnabled() == expected.record, moment);
    QVERIFY2(home.PastButton->isEnabled() == expected.past, moment);
    QVERIFY2(home.ArchiveButton->isEnabled() == expected.archive, moment);
}

}  // namespace

class HomeWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { RegisterFontSubstitutions(); }

    void WithoutASavedGameResumeIsDisabled() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        w.show();
        CompareStates(w, {true, true, false, true, true, true}, "start-up without Kelmar.ini");
        QVERIFY(w.Home->SavedGameLabel->text().isEmpty());
        // Over the whole client area, the title picture as the generator drew it.
        QCOMPARE(w.Home->geometry(), QRect(0, 0, 430, 324));
        const QImage title(QStringLiteral(KELMAR_DATA_DIR "/title.bmp"));
        QCOMPARE(w.Home->TitlePicture->Surface().convertToFormat(QImage::Format_RGB32),
                 title.convertToFormat(QImage::Format_RGB32));
        QVERIFY(w.Image2->isVisible());  // still there, under the home
    }

    void ASavedGameShowsItsRikishiBesideResume() {
        GameUnderTest game;
        game.window->K1->trigger();
        StartCareer(*game.window, 3);
        QVERIFY(!game.window->Home->isVisible());
        if (game.state.PlayerRetired != 0 || game.window->PlayerOkButton->isHidden())
            QSKIP("the career ended in its first basho");
        game.window->KS1->trigger();
        const QString shikona = QString::fromStdString(
            ShiftJisToUtf8(DisplayName(game.state.NameOfWres[game.state.PlayerIndex])));
        game.Restart();
        TfrmKelmar& w = *game.window;
        w.show();
        CompareStates(w, {true, true, true, true, true, true}, "start-up with Kelmar.ini");
        const QString label = w.Home->SavedGameLabel->text();
        QVERIFY2(label.startsWith(shikona + QStringLiteral("　前頭")), qPrintable(label));
        QVERIFY2(label.contains(QStringLiteral("2020年3月場所まで")), qPrintable(label));

        // Resume: the home makes way and the saved career plays its next basho.
        w.Home->ResumeButton->click();
        QVERIFY(!w.Home->isVisible());
        QVERIFY(game.player.Count(QStringLiteral("frmPaper")) >= 1);
        QVERIFY2(game.player.errors.isEmpty(), qPrintable(game.player.errors.join('\n')));
    }

    void AnUnreadableSaveShowsResumeWithoutItsRikishi_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("no player's rikishi")
            << QByteArray("[1]\r\nAge=30\r\n[Game]\r\nNengo=2020\r\n");
        QTest::newRow("not an INI file") << QByteArray("\x00\x01\x02", 3);
    }

    void AnUnreadableSaveShowsResumeWithoutItsRikishi() {
        QFETCH(QByteArray, bytes);
        GameUnderTest game;
        game.folder.Write("Kelmar.ini", std::string_view(bytes.constData(), bytes.size()));
        game.Restart();
        game.window->show();
        CompareStates(*game.window, {true, true, true, true, true, true}, "an unreadable save");
        QVERIFY(game.window->Home->SavedGameLabel->text().isEmpty());
    }

    void EachButtonIsItsMenuCommand() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        w.show();
        w.Home->RecordButton->click();
        QVERIFY(w.frmCareerRecord != nullptr && w.frmCareerRecord->isVisible());
        w.Home->PastButton->click();
        QVERIFY(w.frmPastCareers != nullptr && w.frmPastCareers->isVisible());
        w.Home->ArchiveButton->click();
        QVERIFY(w.frmArchive != nullptr && w.frmArchive->isVisible());
        QVERIFY(w.Home->isVisible());  // the record's windows leave the home
        w.Home->NewButton->click();
        QVERIFY(!w.Home->isVisible());
        QVERIFY(w.JuryoList->isVisible());
        QCOMPARE(w.JuryoList->count(), 27);
    }

    void TheHomeComesBackWhenTheCareerEnds() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        w.show();
        w.K1->trigger();
        // The cover waits for the report and the top-ten question.
        bool coverBeforeTheQuestions = false;
        game.player.answerFirst = [&](QWidget*) {
            coverBeforeTheQuestions = coverBeforeTheQuestions || (w.frmCareerRecord != nullptr &&
                                                                  w.frmCareerRecord->isVisible());
            return false;
        };
        StartCareer(w, 5);
        for (int basho = 1; !w.PlayerOkButton->isHidden() && basho < 400; ++basho) {
            QVERIFY(!w.Home->isVisible());
            w.PlayerOkButton->click();
        }
        QCOMPARE(game.player.Count(QStringLiteral("frmReport")), 1);
        CompareStates(w, {true, true, false, true, true, true}, "after the career, nothing saved");
        // Its cover, beside the home.
        QVERIFY(!coverBeforeTheQuestions);
        QVERIFY(w.frmCareerRecord != nullptr && w.frmCareerRecord->isVisible());
        QVERIFY(!w.frmCareerRecord->isModal());
        QCOMPARE(w.frmCareerRecord->career(), std::optional<int64_t>(1));
        QVERIFY(w.frmCareerRecord->Cover->isVisible());
        QVERIFY(!w.frmCareerRecord->CoverName->text().isEmpty());
        QVERIFY2(w.frmCareerRecord->CoverBiography->text().contains(QStringLiteral("土俵を去った")),
                 qPrintable(w.frmCareerRecord->CoverBiography->text()));
        // And makes way again for the next one.
        StartCareer(w, 2);
        QVERIFY(!w.Home->isVisible());
        QVERIFY2(game.player.errors.isEmpty(), qPrintable(game.player.errors.join('\n')));
    }
};

QTEST_MAIN(HomeWindowTest)
#include "home_window_test.moc"
