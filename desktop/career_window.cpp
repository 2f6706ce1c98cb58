#include "desktop/career_window.h"

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <array>

#include "desktop/record_text.h"
#include "record/career_record.h"

namespace kelmar {

namespace {

// The colour of each rank's points, 横綱 to 前頭.
const std::array<QColor, 5> kRankColours = {QColor(0x8e, 0x24, 0x24), QColor(0xc8, 0x6a, 0x1e),
                                            QColor(0x3b, 0x7d, 0x3b), QColor(0x2f, 0x6d, 0xa8),
                                            QColor(0x6b, 0x6b, 0x6b)};

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

// A number that sorts as a number.
QTableWidgetItem* Number(int value) {
    auto* item = Cell({});
    item->setData(Qt::DisplayRole, value);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QTableWidget* MakeTable(QWidget* parent, const char* name, const QStringList& headers) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    return table;
}

QString SummaryText(const CareerSummary& c) {
    QString text = QString::fromStdString(c.shikona) + QStringLiteral("　") +
                   QStringLiteral("初土俵 ") + BashoName(c.firstNengo, c.firstMonth) +
                   QStringLiteral("　%1場所").arg(c.basho);
    if (c.bestRank)
        text += QStringLiteral("　最高位 ") + RankText(c.bestRank);
    text += QStringLiteral("　優勝 %1回　").arg(c.yusyo) + WinsAndLosses(c.wins, c.losses) +
            QStringLiteral("　得点 %1").arg(c.score);
    text += c.retired ? QStringLiteral("　（引退）") : QStringLiteral("");
    return text;
}

void FillChart(QChartView* view, const std::vector<BashoRow>& rows) {
    auto* chart = new QChart();
    chart->setTitle(QStringLiteral("番付の推移"));
    auto* line = new QLineSeries();
    line->setName(QStringLiteral("番付"));
    line->setColor(QColor(0x99, 0x99, 0x99));
    chart->addSeries(line);
    std::array<QScatterSeries*, 5> ranks{};
    for (size_t i = 0; i < ranks.size(); ++i) {
        ranks[i] = new QScatterSeries();
        ranks[i]->setName(RankText(static_cast<int32_t>(i + 1)));
        ranks[i]->setColor(kRankColours[i]);
        ranks[i]->setBorderColor(kRankColours[i]);
        ranks[i]->setMarkerSize(rows.size() > 60 ? 6 : 9);
        chart->addSeries(ranks[i]);
    }
    auto* champion = new QScatterSeries();
    champion->setName(QStringLiteral("優勝"));
    champion->setMarkerShape(QScatterSeries::MarkerShapeStar);
    champion->setMarkerSize(18);
    champion->setColor(QColor(0xe0, 0xb0, 0x10));
    champion->setBorderColor(QColor(0x80, 0x60, 0x00));
    chart->addSeries(champion);
    for (const BashoRow& r : rows) {
        line->append(r.seq, r.slot);
        if (r.rank >= 1 && r.rank <= 5)
            ranks[static_cast<size_t>(r.rank - 1)]->append(r.seq, r.slot);
        if (r.champion)
            champion->append(r.seq, r.slot);
    }

    auto* x = new QValueAxis();
    x->setTitleText(QStringLiteral("場所"));
    x->setLabelFormat(QStringLiteral("%d"));
    const int count = static_cast<int>(rows.size());
    x->setRange(0, count < 2 ? 2 : count + 1);
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    x->setTickInterval(count <= 10 ? 1 : count <= 50 ? 5 : 10);
    // The banzuke from the first slot at the top down to the last.
    auto* y = new QValueAxis();
    y->setTitleText(QStringLiteral("番付の位置（上が横綱）"));
    y->setLabelFormat(QStringLiteral("%d"));
    y->setRange(0.5, 32.5);
    y->setReverse(true);
    y->setTickType(QValueAxis::TicksDynamic);
    y->setTickAnchor(1);
    y->setTickInterval(4);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
    chart->legend()->setAlignment(Qt::AlignRight);
    // The connecting line needs no entry of its own.
    chart->legend()->markers(line).first()->setVisible(false);
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
}

void FillBasho(QTableWidget* table, const std::vector<BashoRow>& rows) {
    table->setSortingEnabled(false);
    table->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const BashoRow& r = rows[static_cast<size_t>(i)];
        table->setItem(i, 0, Cell(BashoName(r.nengo, r.month)));
        table->setItem(i, 1, Cell(RankText(r.rank) + QStringLiteral("（%1）").arg(r.slot)));
        table->setItem(i, 2, Cell(WinsAndLosses(r.wins, r.losses)));
        table->setItem(i, 3, Cell(r.champion ? QStringLiteral("優勝") : QString()));
    }
    if (!rows.empty())
        table->scrollToBottom();
}

void FillRivals(QTableWidget* table, const std::vector<RivalRow>& rows) {
    table->setSortingEnabled(false);
    table->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const RivalRow& r = rows[static_cast<size_t>(i)];
        table->setItem(i, 0, Cell(QString::fromStdString(r.opponent)));
        table->setItem(i, 1, Number(r.bouts));
        table->setItem(i, 2, Number(r.wins));
        table->setItem(i, 3, Number(r.losses));
    }
    table->setSortingEnabled(true);
}

}  // namespace

CareerRecordWindow::CareerRecordWindow(QWidget* parent, CareerRecord& record)
    : QWidget(parent, Qt::Window), record_(record) {
    setObjectName(QStringLiteral("frmCareerRecord"));
    setWindowTitle(QStringLiteral("力士の記録"));
    Summary = new QLabel(this);
    Summary->setObjectName(QStringLiteral("Summary"));
    Trajectory = new QChartView(this);
    Trajectory->setObjectName(QStringLiteral("Trajectory"));
    Trajectory->setRenderHint(QPainter::Antialiasing);
    Trajectory->setMinimumHeight(300);
    auto* tables = new QSplitter(Qt::Horizontal, this);
    BashoTable = MakeTable(tables, "BashoTable",
                           {QStringLiteral("場所"), QStringLiteral("番付"), QStringLiteral("勝敗"),
                            QStringLiteral("優勝")});
    RivalsTable = MakeTable(tables, "RivalsTable",
                            {QStringLiteral("相手"), QStringLiteral("対戦"), QStringLiteral("勝"),
                             QStringLiteral("敗")});
    // The most frequent opponents first, until the player sorts otherwise.
    RivalsTable->horizontalHeader()->setSortIndicator(1, Qt::DescendingOrder);
    tables->addWidget(BashoTable);
    tables->addWidget(RivalsTable);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Summary);
    layout->addWidget(Trajectory, 3);
    layout->addWidget(tables, 2);
    resize(820, 680);
}

void CareerRecordWindow::ShowCurrent() {
    followCurrent_ = true;
    Fill();
}

void CareerRecordWindow::ShowCareer(int64_t career) {
    followCurrent_ = false;
    career_ = career;
    Fill();
}

void CareerRecordWindow::Refresh() {
    Fill();
}

void CareerRecordWindow::Fill() {
    if (followCurrent_)
        career_ = record_.CurrentOrLastCareer();
    std::optional<CareerSummary> summary;
    std::vector<BashoRow> basho;
    std::vector<RivalRow> rivals;
    if (career_) {
        summary = record_.Career(*career_);
        basho = record_.BashoOf(*career_);
        rivals = record_.RivalsOf(*career_);
    }
    Summary->setText(summary ? SummaryText(*summary) : QStringLiteral("記録はまだありません。"));
    FillChart(Trajectory, basho);
    FillBasho(BashoTable, basho);
    FillRivals(RivalsTable, rivals);
}

}  // namespace kelmar
