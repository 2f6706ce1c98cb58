#include "desktop/past_careers_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "desktop/language_choice.h"
#include "desktop/record_text.h"
#include "record/career_record.h"

namespace kelmar {

namespace {

constexpr int kCareerRole = Qt::UserRole;
constexpr int kSortRole = Qt::UserRole + 1;

// A cell shown as words that sorts by a number of its own.
class SortedCell : public QTableWidgetItem {
  public:
    SortedCell(const QString& text, double key) : QTableWidgetItem(text) {
        setData(kSortRole, key);
        setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        return data(kSortRole).toDouble() < other.data(kSortRole).toDouble();
    }
};

enum Column { kName, kFirst, kBasho, kBest, kYusyo, kRecord, kScore, kState, kColumns };

void FillRow(QTableWidget* table, int row, const CareerSummary& c) {
    auto put = [&](Column column, const QString& text, double key) {
        auto* cell = new SortedCell(text, key);
        if (column != kName && column != kFirst && column != kState)
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, column, cell);
    };
    put(kName, RecordName(c.shikona), static_cast<double>(c.career));
    table->item(row, kName)->setData(kCareerRole, QVariant::fromValue<qlonglong>(c.career));
    put(kFirst, BashoName(c.firstNengo, c.firstMonth), static_cast<double>(c.career));
    put(kBasho, QString::number(c.basho), c.basho);
    // The best rank sorts 横綱 first when the column sorts downwards.
    put(kBest, RankText(c.bestRank), c.bestRank ? 6 - *c.bestRank : 0);
    put(kYusyo, QString::number(c.yusyo), c.yusyo);
    put(kRecord, WinsAndLosses(c.wins, c.losses), c.wins);
    put(kScore, QString::number(c.score), c.score);
    put(kState, c.retired ? Tr("引退") : QStringLiteral("—"), c.retired ? 1 : 0);
}

}  // namespace

PastCareersWindow::PastCareersWindow(QWidget* parent, CareerRecord& record, OpenCareer open)
    : QWidget(parent, Qt::Window), record_(record), open_(std::move(open)) {
    setObjectName(QStringLiteral("frmPastCareers"));
    CareersTable = new QTableWidget(0, kColumns, this);
    CareersTable->setObjectName(QStringLiteral("CareersTable"));
    CareersTable->verticalHeader()->hide();
    CareersTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    CareersTable->setSelectionMode(QAbstractItemView::SingleSelection);
    CareersTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CareersTable->horizontalHeader()->setStretchLastSection(true);
    // The best score first, until the player sorts otherwise.
    CareersTable->horizontalHeader()->setSortIndicator(kScore, Qt::DescendingOrder);
    OpenButton = new QPushButton(this);
    OpenButton->setObjectName(QStringLiteral("OpenButton"));
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(OpenButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CareersTable);
    layout->addLayout(buttons);
    connect(OpenButton, &QPushButton::clicked, this, &PastCareersWindow::OpenSelected);
    connect(CareersTable, &QTableWidget::cellActivated, this, [this] { OpenSelected(); });
    Retranslate();
    resize(720, 420);
}

void PastCareersWindow::Retranslate() {
    setWindowTitle(Tr("歴代の力士"));
    CareersTable->setHorizontalHeaderLabels({Tr("力士"), Tr("初土俵"), Tr("場所数"), Tr("最高位"),
                                             Tr("優勝"), Tr("勝敗"), Tr("得点"), Tr("引退")});
    OpenButton->setText(Tr("力士の記録(&O)"));
    if (isVisible())
        Refresh();
}

void PastCareersWindow::Refresh() {
    const std::vector<CareerSummary> careers = record_.Careers();
    const int column = CareersTable->horizontalHeader()->sortIndicatorSection();
    const Qt::SortOrder order = CareersTable->horizontalHeader()->sortIndicatorOrder();
    CareersTable->setSortingEnabled(false);
    CareersTable->setRowCount(static_cast<int>(careers.size()));
    for (int i = 0; i < static_cast<int>(careers.size()); ++i)
        FillRow(CareersTable, i, careers[static_cast<size_t>(i)]);
    CareersTable->setSortingEnabled(true);
    CareersTable->sortByColumn(column, order);
    CareersTable->resizeColumnsToContents();
}

int64_t PastCareersWindow::CareerAt(int row) const {
    const QTableWidgetItem* item = CareersTable->item(row, kName);
    return item != nullptr ? item->data(kCareerRole).toLongLong() : 0;
}

void PastCareersWindow::OpenSelected() {
    const int row = CareersTable->currentRow();
    if (row >= 0 && open_)
        open_(CareerAt(row));
}

}  // namespace kelmar
