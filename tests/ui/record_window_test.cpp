// The career record through the main window: the menu "記録(&R)", its
// windows over careers of 1 and of 100 basho, 資料館 over careers made up for
// it, their refresh as a basho ends,
// and a read-only game folder reported once while a whole career is played.
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableWidget>
#include <QXYSeries>
#include <QtTest>

#include "desktop/archive_window.h"
#include "desktop/career_window.h"
#include "desktop/past_careers_window.h"
#include "record/career_record.h"
#include "record/career_script.h"
#include "state/text_file.h"
#include "synthetic_record.h"
#include "window_test_support.h"

using namespace kelmar;
using namespace kelmar::testing;

namespace {

QXYSeries* Series(QChartView* view, const QString& name) {
    for (QAbstractSeries* series : view->chart()->series())
        if (series->name() == name)
            return static_cast<QXYSeries*>(series);
    return nullptr;
}

int Champions(const std::vector<BashoRow>& rows) {
    return static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [](const BashoRow& r) { return r.champion; }));
}

QStringList Column(QTableWidget* table, int column) {
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row) texts << table->item(row, column)->text();
    return texts;
}

}  // namespace

class RecordWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void TheMenuStandsBetweenTheTopTenAndTheOptions() {
        GameUnderTest game;
        QStringList titles;
        for (QAction* action : game.window->menuBar()->actions()) titles << action->text();
        const int record = static_cast<int>(titles.indexOf(QStringLiteral("記録(&R)")));
        QCOMPARE(titles.at(record - 1), QStringLiteral("トップ１０(&T)"));
        QCOMPARE(titles.at(record + 1), QStringLiteral("オプション(&O)"));
        QCOMPARE(game.window->KC1->text(), QStringLiteral("力士の記録(&C)"));
        QCOMPARE(game.window->KH2->text(), QStringLiteral("歴代の力士(&H)"));
    }

    void CareersOfOneAndOfAHundredBasho() {
        GameUnderTest game;
        {
            CareerRecord record(GameFolderPath("Kelmar.db"));
            RecordSyntheticCareer(record, "若楓", 1, 7);
            RecordSyntheticCareer(record, "千代雷", 100, 11);
            RecordSyntheticCareer(record, "霧昇", 20, 3, false);
        }
        CareerRecord reader(GameFolderPath("Kelmar.db"));
        TfrmKelmar& w = *game.window;

        // The last career (the running one is gone with its program).
        w.KC1->trigger();
        CareerRecordWindow* card = w.frmCareerRecord;
        QVERIFY(card->isVisible());
        QVERIFY(!card->isModal());
        QCOMPARE(card->windowTitle(), QStringLiteral("力士の記録"));
        QCOMPARE(*card->career(), int64_t{3});
        QVERIFY(card->Summary->text().startsWith(QStringLiteral("霧昇")));

        w.KH2->trigger();
        PastCareersWindow* hall = w.frmPastCareers;
        QCOMPARE(hall->windowTitle(), QStringLiteral("歴代の力士"));
        QCOMPARE(hall->CareersTable->rowCount(), 3);
        // Sorted by score, then by the number of basho, best rank, championships.
        QCOMPARE(hall->CareerAt(0), int64_t{2});
        hall->CareersTable->sortByColumn(2, Qt::AscendingOrder);
        QCOMPARE(Column(hall->CareersTable, 2), (QStringList{"1", "20", "100"}));
        hall->CareersTable->sortByColumn(3, Qt::DescendingOrder);
        QCOMPARE(hall->CareersTable->item(0, 3)->text(), QStringLiteral("横綱"));
        hall->CareersTable->sortByColumn(4, Qt::DescendingOrder);
        QCOMPARE(hall->CareerAt(0), int64_t{2});

        for (const auto& [career, basho] : {std::pair{1, 1}, std::pair{2, 100}}) {
            const int row = static_cast<int>(
                hall->CareersTable->findItems(QString::number(basho), Qt::MatchExactly)[0]->row());
            hall->CareersTable->setCurrentCell(row, 0);
            hall->OpenButton->click();
            QCOMPARE(*card->career(), int64_t{career});
            const std::vector<BashoRow> rows = reader.BashoOf(career);
            QCOMPARE(card->BashoTable->rowCount(), basho);
            QCOMPARE(Series(card->Trajectory, QStringLiteral("番付"))->count(), basho);
            QCOMPARE(Series(card->Trajectory, QStringLiteral("優勝"))->count(), Champions(rows));
            QCOMPARE(Series(card->Trajectory, QStringLiteral("番付"))->at(0).y(),
                     double(rows[0].slot));
            QCOMPARE(card->BashoTable->item(0, 0)->text(), QStringLiteral("2020年3月"));
            QCOMPARE(card->BashoTable->item(0, 1)->text(), QStringLiteral("前頭（30）"));
            // The rivals sort by any column, numbers as numbers.
            card->RivalsTable->sortByColumn(1, Qt::DescendingOrder);
            const QStringList bouts = Column(card->RivalsTable, 1);
            for (int i = 1; i < bouts.size(); ++i)
                QVERIFY(bouts[i - 1].toInt() >= bouts[i].toInt());
            int total = 0;
            for (const QString& b : bouts) total += b.toInt();
            QCOMPARE(total, 15 * basho);
        }
        QVERIFY(Champions(reader.BashoOf(2)) > 0);
        QVERIFY(game.player.errors.isEmpty());
    }

    void TheWindowsFollowTheBashoAsTheyEnd() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        w.K1->trigger();
        w.KC1->trigger();
        QCOMPARE(w.frmCareerRecord->BashoTable->rowCount(), 0);
        w.KH2->trigger();
        StartCareer(w, 3);
        QCOMPARE(w.frmCareerRecord->BashoTable->rowCount(), 1);
        QCOMPARE(w.frmPastCareers->CareersTable->rowCount(), 1);
        if (!w.PlayerOkButton->isHidden()) {
            w.PlayerOkButton->click();
            QCOMPARE(w.frmCareerRecord->BashoTable->rowCount(),
                     game.state.PlayerRetired == 1 ? 1 : 2);
        }
        // New game abandons the career; the next one is a row of its own.
        StartCareer(w, 4);
        QCOMPARE(w.frmPastCareers->CareersTable->rowCount(), 2);
        QCOMPARE(w.frmCareerRecord->BashoTable->rowCount(), 1);
        QVERIFY2(game.player.errors.isEmpty(), qPrintable(game.player.errors.join('\n')));
    }

    void TheArchiveListsEveryAchievementAndHidesTheUnearned() {
        GameUnderTest game;
        {
            CareerRecord record(GameFolderPath("Kelmar.db"));
            RecordScriptedCareer(record, "一の山", {{5, "ooooooooxxxxxxx", false}});
            RecordScriptedCareer(record, "二の海",
                                 {{5, "Kxxxxxxxxxxxxxx", false}, {4, "ooooooooxxxxxxx", false}});
        }
        TfrmKelmar& w = *game.window;
        w.KA2->trigger();
        ArchiveWindow* archive = w.frmArchive;
        QVERIFY(archive != nullptr && archive->isVisible());
        QVERIFY(!archive->isModal());
        QTableWidget* table = archive->AchievementsTable;
        QCOMPARE(table->rowCount(), 10);
        // Row by row in the order of the kinds: name, careers, first career, basho.
        const QStringList secret = {QStringLiteral("「？？？」"), QStringLiteral("0人"), QString(),
                                    QString()};
        const QList<QStringList> expected = {
            {QStringLiteral("初勝ち越し"), QStringLiteral("2人"), QStringLiteral("1. 一の山"),
             QStringLiteral("2020年1月")},
            {QStringLiteral("新三役"), QStringLiteral("1人"), QStringLiteral("2. 二の海"),
             QStringLiteral("2020年3月")},
            secret,
            secret,
            secret,
            secret,
            secret,
            {QStringLiteral("初金星"), QStringLiteral("1人"), QStringLiteral("2. 二の海"),
             QStringLiteral("2020年1月")},
            secret,
            secret};
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < 4; ++column) cells << table->item(row, column)->text();
            QCOMPARE(cells, expected[row]);
        }
        QCOMPARE(archive->Tally->text(), QStringLiteral("10 の記録のうち 3 を達成"));

        // Refreshed as a basho ends, while it stays open: what it shows is read again.
        w.K1->trigger();
        table->item(0, 1)->setText(QStringLiteral("stale"));
        StartCareer(w, 3);
        const auto tallies = CareerRecord(GameFolderPath("Kelmar.db")).AchievementTallies();
        for (int row = 0; row < table->rowCount(); ++row)
            QCOMPARE(table->item(row, 1)->text(),
                     QStringLiteral("%1人").arg(tallies[static_cast<size_t>(row)].careers));
        QVERIFY2(game.player.errors.isEmpty(), qPrintable(game.player.errors.join('\n')));
    }

    void AReadOnlyFolderIsReportedOnceForAWholeCareer() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        w.K1->trigger();
        QCOMPARE(::chmod(game.folder.path().c_str(), 0555), 0);
        QVERIFY2(::access(game.folder.path().c_str(), W_OK) != 0, "the folder is still writable");
        StartCareer(w, 5);
        for (int basho = 1;
             game.state.PlayerRetired == 0 && !w.PlayerOkButton->isHidden() && basho < 400; ++basho)
            w.PlayerOkButton->click();
        w.KC1->trigger();
        w.KH2->trigger();
        StartCareer(w, 2);
        ::chmod(game.folder.path().c_str(), 0700);
        QCOMPARE(game.player.Count(QStringLiteral("frmReport")), 1);  // the career report
        QStringList messages;
        for (const QString& text : game.player.errors)
            if (text.contains(QStringLiteral("Kelmar.db")))
                messages << text;
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains(QString::fromStdString(game.folder.path())));
        QVERIFY(!QFile::exists(QString::fromStdString(game.folder.path()) + "/Kelmar.db"));
        QCOMPARE(w.frmPastCareers->CareersTable->rowCount(), 0);
    }
};

// Root writes through any mode: the read-only folder needs the rights of an
// ordinary user, so a run as root gives up its power to pass over a file's
// mode before anything starts. It stays root, so its own folders stay open.
bool GiveUpOverridingModes() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH}) {
        const uint32_t bit = 1u << (cap % 32);
        data[cap / 32].effective &= ~bit;
        data[cap / 32].permitted &= ~bit;
    }
    return ::syscall(SYS_capset, &header, data) == 0;
}

int main(int argc, char** argv) {
    if (::geteuid() == 0 && !GiveUpOverridingModes())
        return 1;
    QApplication application(argc, argv);
    RecordWindowTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "record_window_test.moc"
