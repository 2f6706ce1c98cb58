#include "desktop/career_window.h"

#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QScatterSeries>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <array>

#include "desktop/career_card_drawing.h"
#include "desktop/game_text.h"
#include "desktop/record_text.h"
#include "desktop/window_layout.h"
#include "record/career_card.h"
#include "record/career_cover.h"
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

QString CoverFactsText(const CareerCover& c) {
    QString text = QStringLiteral("初土俵　") + BashoName(c.firstNengo, c.firstMonth) +
                   QStringLiteral("場所\n");
    if (c.lastNengo != 0)
        text += (c.retired ? QStringLiteral("引退　") : QStringLiteral("最新　")) +
                BashoName(c.lastNengo, c.lastMonth) + QStringLiteral("場所\n");
    text += QStringLiteral("最高位　") + FromGame(c.bestRank) + QStringLiteral("\n");
    text += QStringLiteral("通算　") + WinsAndLosses(c.wins, c.losses) +
            QStringLiteral("　優勝 %1回").arg(c.yusyo);
    return text;
}

// Four to a line, so that no name is broken.
QString CoverAchievementsText(const CareerCover& c) {
    if (c.achievements.empty())
        return QStringLiteral("達成：まだなし");
    QString text = QStringLiteral("達成：");
    for (size_t i = 0; i < c.achievements.size(); ++i) {
        const CoverAchievement& a = c.achievements[i];
        if (i > 0)
            text += i % 4 == 0 ? QStringLiteral("\n　　　") : QStringLiteral("　");
        text += FromGame(a.name) + QStringLiteral("（") + BashoName(a.nengo, a.month) +
                QStringLiteral("）");
    }
    return text;
}

void FillCover(CareerRecordWindow& w, const std::optional<CareerCover>& cover) {
    w.Cover->setVisible(cover.has_value());
    if (!cover)
        return;
    w.CoverName->setText(FromGame(cover->shikona));
    w.CoverFacts->setText(CoverFactsText(*cover));
    w.CoverAchievements->setText(CoverAchievementsText(*cover));
    QString biography;
    for (const std::string& sentence : cover->biography) biography += FromGame(sentence);
    w.CoverBiography->setText(biography);
}

}  // namespace

void CareerRecordWindow::CreateCover() {
    Cover = new QFrame(this);
    Cover->setObjectName(QStringLiteral("Cover"));
    Cover->setStyleSheet(
        QStringLiteral("#Cover { background: #f8f3e6; border: 2px solid #8e2424; }"
                       "#Cover QLabel { background: transparent; color: #2a1a10; }"));
    const auto label = [this](const char* name, int pixels, bool bold) {
        auto* l = new QLabel(Cover);
        l->setObjectName(QString::fromLatin1(name));
        QFont font = GothicFont(pixels);
        font.setBold(bold);
        l->setFont(font);
        l->setTextFormat(Qt::PlainText);
        return l;
    };
    CoverName = label("CoverName", 30, true);
    CoverFacts = label("CoverFacts", 13, false);
    CoverAchievements = label("CoverAchievements", 13, false);
    CoverBiography = label("CoverBiography", 14, false);
    CoverBiography->setWordWrap(true);
    CoverBiography->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for the name and the four lines of facts, whatever the biography's width.
    CoverName->setMinimumHeight(QFontMetrics(CoverName->font()).height() + 4);
    CoverFacts->setMinimumHeight(4 * QFontMetrics(CoverFacts->font()).lineSpacing() + 4);
    CoverFacts->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    CoverBiography->setMinimumWidth(420);
    auto* facts = new QVBoxLayout();
    facts->addWidget(CoverName);
    facts->addWidget(CoverFacts);
    facts->addStretch();
    auto* top = new QHBoxLayout();
    top->addLayout(facts);
    top->addSpacing(16);
    top->addWidget(CoverBiography, 1);
    auto* layout = new QVBoxLayout(Cover);
    layout->addLayout(top);
    layout->addWidget(CoverAchievements);
    // The cover keeps its whole height; the chart and the tables give way.
    CoverAchievements->setMinimumHeight(3 * QFontMetrics(CoverAchievements->font()).lineSpacing() +
                                        4);
    CoverAchievements->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Cover->setMinimumHeight(layout->minimumSize().height());
}

CareerRecordWindow::CareerRecordWindow(QWidget* parent, CareerRecord& record)
    : QWidget(parent, Qt::Window), record_(record) {
    setObjectName(QStringLiteral("frmCareerRecord"));
    setWindowTitle(QStringLiteral("力士の記録"));
    CreateCover();
    Summary = new QLabel(this);
    Summary->setObjectName(QStringLiteral("Summary"));
    Trajectory = new QChartView(this);
    Trajectory->setObjectName(QStringLiteral("Trajectory"));
    Trajectory->setRenderHint(QPainter::Antialiasing);
    Trajectory->setMinimumHeight(260);
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
    KCard = new QPushButton(QStringLiteral("力士カード(&K)"), this);
    KCard->setObjectName(QStringLiteral("KCard"));
    connect(KCard, &QPushButton::clicked, this, &CareerRecordWindow::KCardClick);
    auto* summary = new QHBoxLayout();
    summary->addWidget(Summary, 1);
    summary->addWidget(KCard);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Cover);
    layout->addLayout(summary);
    layout->addWidget(Trajectory, 3);
    layout->addWidget(tables, 2);
    resize(820, 760);
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
    FillCover(*this, summary ? std::optional<CareerCover>(ComposeCover(
                                   *summary, basho, rivals, record_.AchievementsOf(*career_)))
                             : std::nullopt);
    KCard->setEnabled(!basho.empty());
    FillChart(Trajectory, basho);
    FillBasho(BashoTable, basho);
    FillRivals(RivalsTable, rivals);
}

bool CareerRecordWindow::SaveCard(const QString& path) {
    if (!career_)
        return false;
    const std::optional<CareerSummary> summary = record_.Career(*career_);
    const std::vector<BashoRow> basho = record_.BashoOf(*career_);
    if (!summary || basho.empty())
        return false;
    const CareerCover cover =
        ComposeCover(*summary, basho, record_.RivalsOf(*career_), record_.AchievementsOf(*career_));
    return DrawCareerCard(ComposeCard(cover, basho)).save(path, "PNG");
}

void CareerRecordWindow::KCardClick() {
    const std::optional<CareerSummary> summary = career_ ? record_.Career(*career_) : std::nullopt;
    const QString name =
        summary ? QString::fromStdString(summary->shikona) : QStringLiteral("kelmar");
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("力士カードの保存"),
                                     name + QStringLiteral(".png"), QStringLiteral("PNG (*.png)"));
    if (path.isEmpty())
        return;
    if (!SaveCard(path))
        QMessageBox::warning(this, QStringLiteral("ケルマー"),
                             QStringLiteral("力士カード %1 を保存できません。").arg(path));
}

}  // namespace kelmar
