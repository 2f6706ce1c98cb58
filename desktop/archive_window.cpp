#include "desktop/archive_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "desktop/game_text.h"
#include "desktop/record_text.h"
#include "record/career_record.h"

namespace kelmar {

namespace {

enum Column { kName, kCareers, kFirst, kBasho, kColumns };

const QString kSecret = QStringLiteral("「？？？」");

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

}  // namespace

ArchiveWindow::ArchiveWindow(QWidget* parent, CareerRecord& record)
    : QWidget(parent, Qt::Window), record_(record) {
    setObjectName(QStringLiteral("frmArchive"));
    setWindowTitle(QStringLiteral("資料館"));
    Tally = new QLabel(this);
    Tally->setObjectName(QStringLiteral("Tally"));
    AchievementsTable = new QTableWidget(0, kColumns, this);
    AchievementsTable->setObjectName(QStringLiteral("AchievementsTable"));
    AchievementsTable->setHorizontalHeaderLabels(
        {QStringLiteral("記録"), QStringLiteral("達成した力士"), QStringLiteral("最初の力士"),
         QStringLiteral("場所")});
    AchievementsTable->verticalHeader()->hide();
    AchievementsTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    AchievementsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    AchievementsTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Tally);
    layout->addWidget(AchievementsTable);
    resize(560, 380);
}

void ArchiveWindow::Refresh() {
    const std::vector<AchievementTally> tallies = record_.AchievementTallies();
    AchievementsTable->setRowCount(static_cast<int>(tallies.size()));
    int earned = 0;
    for (int row = 0; row < static_cast<int>(tallies.size()); ++row) {
        const AchievementTally& t = tallies[static_cast<size_t>(row)];
        const auto index = AchievementIndex(t.code);
        const bool known = t.careers > 0 && index;
        earned += known ? 1 : 0;
        AchievementsTable->setItem(row, kName,
                                   Cell(known ? FromGame(kAchievements[*index].name) : kSecret));
        AchievementsTable->setItem(row, kCareers,
                                   Cell(QStringLiteral("%1人").arg(t.careers), Qt::AlignRight));
        AchievementsTable->setItem(row, kFirst,
                                   Cell(known ? QStringLiteral("%1. ").arg(t.firstCareer) +
                                                    QString::fromStdString(t.shikona)
                                              : QString()));
        AchievementsTable->setItem(row, kBasho,
                                   Cell(known ? BashoName(t.nengo, t.month) : QString()));
    }
    Tally->setText(QStringLiteral("%1 の記録のうち %2 を達成").arg(tallies.size()).arg(earned));
}

}  // namespace kelmar
