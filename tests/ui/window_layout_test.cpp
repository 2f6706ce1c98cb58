// The windows as the program starts: the seven windows in their order with
// their classes, captions, sizes, places and frames, the main window's
// controls and the menu with its captions, check marks and enabled states.
#include "desktop/window_layout.h"

#include <QAction>
#include <QDialog>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "desktop/best10_window.h"
#include "desktop/home_face.h"
#include "desktop/pixel_view.h"
#include "desktop/stage_window.h"
#include "window_test_support.h"

using namespace kelmar;
using namespace kelmar::testing;

class WindowLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { RegisterFontSubstitutions(); }

    void CentringDividesTowardZero_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("800x600") << QSize(800, 600) << QSize(438, 370) << QPoint(181, 115);
        QTest::newRow("odd width") << QSize(801, 600) << QSize(438, 370) << QPoint(181, 115);
        QTest::newRow("359 high: -5, not -6")
            << QSize(800, 359) << QSize(438, 370) << QPoint(181, -5);
        QTest::newRow("5 taller than screen: -2")
            << QSize(438, 365) << QSize(438, 370) << QPoint(0, -2);
        QTest::newRow("wider than screen") << QSize(427, 600) << QSize(438, 370) << QPoint(-5, 115);
    }
    void CentringDividesTowardZero() {
        QFETCH(QSize, screen);
        QFETCH(QSize, outer);
        QFETCH(QPoint, place);
        QCOMPARE(CentredPosition(screen, outer), place);
    }

    void OuterSizesOfTheFrames() {
        QCOMPARE(OuterSize(QSize(430, 324), Frame::Sizeable), QSize(438, 351));
        QCOMPARE(OuterSize(QSize(252, 170), Frame::Dialog), QSize(258, 195));
        QCOMPARE(OuterSize(QSize(317, 166), Frame::Tool), QSize(323, 187));
        QCOMPARE(ClientSize(QSize(274, 149), Frame::Dialog), QSize(268, 124));
    }

    void SevenWindowsInTheirOrder() {
        GameUnderTest game;
        TfrmKelmar& main = *game.window;
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QSize s = screen->geometry().size();
        QCOMPARE(main.pos(), CentredPosition(s, QSize(438, 370)));
        QCOMPARE(main.windowTitle(), QStringLiteral("ケルマー"));
        QCOMPARE(main.metaObject()->className(), "kelmar::TfrmKelmar");

        struct Expected {
            const char* name;
            const char* className;
            QString caption;
            QSize client;
            bool tool;
            QPoint place;
        };
        const Expected expected[] = {
            {"AboutForm",
             "kelmar::TAboutForm",
             QStringLiteral("バージョン情報"),
             {252, 170},
             false,
             CentredPosition(s, {258, 195})},
            {"frmStage",
             "kelmar::TfrmStage",
             QStringLiteral("番付表"),
             {425, 321},
             true,
             main.pos() + QPoint(100, 80)},
            {"frmStrategy",
             "kelmar::TfrmStrategy",
             QStringLiteral("戦術"),
             {268, 124},
             false,
             CentredPosition(s, {274, 149})},
            {"frmReport",
             "kelmar::TfrmReport",
             QStringLiteral("対戦力士の情報"),
             {186, 145},
             false,
             CentredPosition(s, {192, 170})},
            {"frmPaper",
             "kelmar::TfrmPaper",
             QStringLiteral("ニュース"),
             {317, 166},
             true,
             CentredPosition(s, {323, 187})},
            {"frmBest10",
             "kelmar::TfrmBest10",
             QStringLiteral("ベスト１０"),
             {178, 169},
             false,
             {261, 185}},
        };
        const QList<QDialog*> windows = main.findChildren<QDialog*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(windows.size(), 6);
        for (int i = 0; i < 6; ++i) {
            const Expected& e = expected[i];
            QDialog* w = windows[i];
            QCOMPARE(w->objectName(), QString::fromLatin1(e.name));
            QCOMPARE(w->metaObject()->className(), e.className);
            QCOMPARE(w->windowTitle(), e.caption);
            QCOMPARE(w->size(), e.client);
            QCOMPARE(w->minimumSize(), e.client);  // fixed size
            QCOMPARE(w->maximumSize(), e.client);
            QCOMPARE(w->windowType() == Qt::Tool, e.tool);
            QCOMPARE(w->pos(), e.place);
            QVERIFY(!w->isVisible());
        }
    }

    void MainWindowControlsAtStartUp() {
        GameUnderTest game;
        TfrmKelmar& main = *game.window;
        main.show();
        struct Expected {
            QWidget* control;
            QRect geometry;  // an empty size: sized to its text
            bool visible;
            bool enabled;
        };
        const Expected expected[] = {
            {main.Image2, {0, 0, 425, 161}, true, true},
            {main.Image1, {88, 160, 240, 160}, false, true},
            {main.lblWest, {8, 224, 0, 0}, true, true},
            {main.lblMyP, {8, 280, 0, 0}, false, true},
            {main.lblBasyo, {8, 304, 0, 0}, true, true},
            {main.btnStop, {368, 272, 59, 33}, false, false},
            {main.JuryoList, {128, 24, 97, 81}, false, false},
            {main.NameLabel, {104, 112, 121, 16}, false, false},
            {main.AgeLabel, {88, 176, 81, 17}, false, false},
            {main.PLabel, {88, 200, 81, 17}, false, false},
            {main.SLabel, {88, 224, 81, 17}, false, false},
            {main.WLabel, {88, 248, 81, 17}, false, false},
            {main.AgeLabel1, {184, 176, 41, 16}, false, false},
            {main.PLabel1, {184, 200, 40, 17}, false, false},
            {main.SLabel1, {184, 224, 41, 17}, false, false},
            {main.WLabel1, {184, 248, 41, 17}, false, false},
            {main.PlayerOkButton, {184, 272, 49, 33}, false, false},
            // The home, over the board until a career starts; resume is
            // enabled only by a saved game.
            {main.Home, {0, 0, 430, 324}, true, true},
            {main.Home->TitlePicture, {0, 0, 430, 161}, true, true},
            {main.Home->NewButton, {24, 176, 150, 34}, true, true},
            {main.Home->ResumeButton, {24, 218, 150, 34}, true, false},
            {main.Home->RecordButton, {276, 176, 130, 28}, true, true},
            {main.Home->PastButton, {276, 210, 130, 28}, true, true},
            {main.Home->ArchiveButton, {276, 244, 130, 28}, true, true},
        };
        for (const Expected& e : expected) {
            const QString name = e.control->objectName();
            QVERIFY2(main.findChild<QWidget*>(name) == e.control, qPrintable(name));
            QCOMPARE(e.control->pos(), e.geometry.topLeft());
            if (!e.geometry.size().isEmpty())
                QCOMPARE(e.control->size(), e.geometry.size());
            QVERIFY2(e.control->isVisible() == e.visible, qPrintable(name));
            QVERIFY2(e.control->isEnabled() == e.enabled, qPrintable(name));
        }
        QCOMPARE(main.PlayerOkButton->text(), QStringLiteral("Ok"));
        QCOMPARE(main.btnStop->text(), QStringLiteral("停止"));
        QVERIFY(main.lblEast->text().isEmpty());
        QCOMPARE(main.Timer1->interval(), 1);  // the tests tick fast; the game every 300 ms
        QVERIFY(main.Timer1->isActive());
        QCOMPARE(main.Image2->Surface().size(), QSize(425, 161));
        QCOMPARE(main.Image2->Surface().pixelColor(200, 80), QColor(Qt::white));
        QCOMPARE(main.centralWidget()->size(), QSize(430, 324));
        // The home lies over the scoreboard, so that it is what a click reaches.
        QVERIFY(main.Home->isAncestorOf(main.centralWidget()->childAt(200, 80)));
        QCOMPARE(main.Home->NewButton->text(), QStringLiteral("新しい力士"));
        QCOMPARE(main.Home->ResumeButton->text(), QStringLiteral("続きから"));
    }

    void FontsAndColoursInPixels() {
        GameUnderTest game;
        TfrmKelmar& main = *game.window;
        struct Expected {
            QWidget* control;
            QString family;
            int pixels;
            QColor text;
        };
        const QString gothic = QStringLiteral("IPAGothic");
        const QString pGothic = QStringLiteral("IPAPGothic");
        const Expected expected[] = {
            {&main, gothic, 16, colour::Black},
            {main.lblWest, gothic, 16, colour::Black},
            {main.lblMyP, gothic, 13, colour::Red},
            {main.lblBasyo, gothic, 12, colour::Purple},
            {main.AgeLabel1, gothic, 16, colour::White},
            {main.frmStage->lblTitle, gothic, 16, colour::White},
            {main.frmStage->btnClose, gothic, 15, QColor()},
            {main.frmBest10->lblName[0], pGothic, 12, colour::Black},
        };
        for (const Expected& e : expected) {
            const QString name = e.control->objectName();
            QVERIFY2(QFontInfo(e.control->font()).family() == e.family, qPrintable(name));
            QVERIFY2(e.control->font().pixelSize() == e.pixels, qPrintable(name));
            if (e.text.isValid())
                QVERIFY2(e.control->palette().color(QPalette::WindowText) == e.text,
                         qPrintable(name));
        }
        QVERIFY(main.lblMyP->font().bold());
        QVERIFY(main.lblBasyo->font().underline());
        QCOMPARE(main.AgeLabel1->palette().color(QPalette::Window), colour::Maroon);
        QCOMPARE(main.PLabel1->palette().color(QPalette::Window), colour::Green);
        QCOMPARE(main.SLabel1->palette().color(QPalette::Window), colour::Navy);
        QCOMPARE(main.WLabel1->palette().color(QPalette::Window), colour::Purple);
        QCOMPARE(main.frmStage->lblTitle->palette().color(QPalette::Window), colour::Gray);
        // The captions of fixed-size labels fit them.
        for (QLabel* label :
             {main.NameLabel, main.AgeLabel, main.PLabel, main.SLabel, main.WLabel}) {
            const QFontMetrics metrics(label->font());
            QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->objectName()));
        }
        const QFontMetrics title(main.frmStage->lblTitle->font());
        QVERIFY(title.horizontalAdvance(
                    QStringLiteral("番付 四股名  勝敗  経験値  番付 四股名  勝敗  経験値")) <= 433);
    }

    void MenuAtStartUp() {
        GameUnderTest game;
        TfrmKelmar& main = *game.window;
        struct Expected {
            const char* name;
            QString caption;
            bool enabled;
            bool checkable;
            bool checked;
        };
        const Expected items[] = {
            {"KN1", QStringLiteral("新しいゲーム(&N)"), true, false, false},
            {"KS1", QStringLiteral("ゲームの保存(&S)"), false, false, false},
            {"KO2", QStringLiteral("ゲームの再開(&O)"), true, false, false},
            {"KQ1", QStringLiteral("終わり(&Q)"), true, false, false},
            {"KB1", QStringLiteral("番付と成績(&B)"), false, false, false},
            {"KT2", QStringLiteral("トップ１０(&T)"), true, false, false},
            {"KT1", QStringLiteral("練習レベル(&T)"), true, true, false},
            {"K1", QStringLiteral("アニメーション(&A)"), true, true, true},
            {"FilmPace1", QStringLiteral("標準(&1)"), true, true, true},
            {"FilmPace2", QStringLiteral("速い(&2)"), true, true, false},
            {"FilmPace3", QStringLiteral("とても速い(&3)"), true, true, false},
            {"KP1", QStringLiteral("遊びかた(&P)"), true, false, false},
            {"KA1", QStringLiteral("バージョン情報(&A)"), true, false, false},
        };
        for (const Expected& e : items) {
            auto* item = main.findChild<QAction*>(QString::fromLatin1(e.name));
            QVERIFY2(item != nullptr, e.name);
            QCOMPARE(item->text(), e.caption);
            QVERIFY2(item->isEnabled() == e.enabled, e.name);
            QVERIFY2(item->isCheckable() == e.checkable, e.name);
            QVERIFY2(item->isChecked() == e.checked, e.name);
        }
        // The bar: File1, KB1, KT2, the career record's KR1, KO1, KH1; the
        // submenus hold their items.
        QList<QString> bar;
        for (QAction* a : main.menuBar()->actions()) bar << a->text();
        QCOMPARE(bar,
                 (QList<QString>{QStringLiteral("ﾌｧｲﾙ(&F)"), main.KB1->text(), main.KT2->text(),
                                 QStringLiteral("記録(&R)"), QStringLiteral("オプション(&O)"),
                                 QStringLiteral("ヘルプ(&H)")}));
        QCOMPARE(main.KR1->actions(), (QList<QAction*>{main.KC1, main.KH2, main.KA2}));
        QCOMPARE(main.KA2->text(), QStringLiteral("資料館(&A)"));
        QVERIFY(main.KA2->isEnabled());
        QCOMPARE(main.File1->actions(), (QList<QAction*>{main.KN1, main.KS1, main.KO2, main.KQ1}));
        QCOMPARE(main.KO1->actions(),
                 (QList<QAction*>{main.KT1, main.K1, main.FilmPaceMenu->menuAction(),
                                  main.LanguageMenu->menuAction()}));
        // The one new item: each language in its own name, the shown one checked.
        QCOMPARE(main.LanguageMenu->title(), QStringLiteral("言語(&L)"));
        QCOMPARE(main.LanguageMenu->actions(),
                 (QList<QAction*>{main.LanguageItems.begin(), main.LanguageItems.end()}));
        QCOMPARE(main.LanguageItems.size(), size_t{2});
        QCOMPARE(main.LanguageItems[0]->objectName(), QStringLiteral("LangJa"));
        QCOMPARE(main.LanguageItems[0]->text(), QStringLiteral("日本語"));
        QVERIFY(main.LanguageItems[0]->isChecked());
        QCOMPARE(main.LanguageItems[1]->objectName(), QStringLiteral("LangEn"));
        QCOMPARE(main.LanguageItems[1]->text(), QStringLiteral("English"));
        QVERIFY(!main.LanguageItems[1]->isChecked());
        QCOMPARE(main.FilmPaceMenu->title(), QStringLiteral("フィルムの速さ(&F)"));
        QCOMPARE(main.FilmPaceMenu->actions(),
                 (QList<QAction*>{main.FilmPaceItems.begin(), main.FilmPaceItems.end()}));
        QCOMPARE(main.KH1->actions(), (QList<QAction*>{main.KP1, main.KA1}));
        QCOMPARE(main.menuBar()->objectName(), QStringLiteral("MainMenu1"));
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
