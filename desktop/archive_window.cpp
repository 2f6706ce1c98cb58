#include "desktop/archive_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "desktop/language_choice.h"
#include "desktop/record_text.h"
#include "record/career_record.h"

namespace kelmar {

namespace {

enum Column { kName, kCareers, kFirst, kBasho, kColumns };

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
    Tally = new QLabel(this);
    Tally->setObjectName(QStringLiteral("Tally"));
    AchievementsTable = new QTableWidget(0, kColumns, this);
    AchievementsTable->setObjectName(QStringLiteral("AchievementsTable"));
    AchievementsTable->verticalHeader()->hide();
    AchievementsTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    AchievementsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    AchievementsTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Tally);
    layout->addWidget(AchievementsTable);
    Retranslate();
    resize(560, 380);
}

void ArchiveWindow::Retranslate() {
    setWindowTitle(Tr("資料館"));
    AchievementsTable->setHorizontalHeaderLabels(
        {Tr("記録"), Tr("達成した力士"), Tr("最初の力士"), Tr("場所")});
    if (isVisible())
        Refresh();
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
        AchievementsTable->setItem(
            row, kName, Cell(known ? Tr(kAchievements[*index].name.msgid) : Tr("「？？？」")));
        AchievementsTable->setItem(
            row, kCareers,
            Cell(TrFormat("{count}人", {{"count", std::to_string(t.careers)}}), Qt::AlignRight));
        AchievementsTable->setItem(
            row, kFirst,
            Cell(known ? QStringLiteral("%1. ").arg(t.firstCareer) + RecordName(t.shikona)
                       : QString()));
        AchievementsTable->setItem(row, kBasho,
                                   Cell(known ? BashoName(t.nengo, t.month) : QString()));
    }
    Tally->setText(
        TrFormat("{count} の記録のうち {earned} を達成",
                 {{"count", std::to_string(tallies.size())}, {"earned", std::to_string(earned)}}));
}

}  // namespace kelmar
