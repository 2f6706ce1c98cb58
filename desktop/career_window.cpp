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
#include "desktop/language_choice.h"
#include "desktop/record_text.h"
#include "desktop/window_layout.h"
#include "record/achievements.h"
#include "record/career_card.h"
#include "record/career_cover.h"
#include "record/career_record.h"
#include "state/encoding.h"

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

QTableWidget* MakeTable(QWidget* parent, const char* name, int columns) {
    auto* table = new QTableWidget(0, columns, parent);
    table->setObjectName(QString::fromLatin1(name));
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    return table;
}

std::string Utf8(const QString& text) {
    return text.toStdString();
}

std::string Digits(int64_t value) {
    return std::to_string(value);
}

QString SummaryText(const CareerSummary& c) {
    QString text = TrFormat("{shikona}　初土俵 {first}　{basho}場所",
                            {{"shikona", Utf8(RecordName(c.shikona))},
                             {"first", Utf8(BashoName(c.firstNengo, c.firstMonth))},
                             {"basho", Digits(c.basho)}});
    if (c.bestRank)
        text += TrFormat("　最高位 {rank}", {{"rank", Utf8(RankText(c.bestRank))}});
    text += TrFormat("　優勝 {yusho}回　{record}　得点 {score}",
                     {{"yusho", Digits(c.yusyo)},
                      {"record", Utf8(WinsAndLosses(c.wins, c.losses))},
                      {"score", Digits(c.score)}});
    if (c.retired)
        text += Tr("　（引退）");
    return text;
}

void FillChart(QChartView* view, const std::vector<BashoRow>& rows) {
    auto* chart = new QChart();
    chart->setTitle(Tr("番付の推移"));
    auto* line = new QLineSeries();
    line->setName(Tr("番付"));
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
    champion->setName(Tr("優勝"));
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
    x->setTitleText(Tr("場所"));
    x->setLabelFormat(QStringLiteral("%d"));
    const int count = static_cast<int>(rows.size());
    x->setRange(0, count < 2 ? 2 : count + 1);
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    x->setTickInterval(count <= 10 ? 1 : count <= 50 ? 5 : 10);
    // The banzuke from the first slot at the top down to the last.
    auto* y = new QValueAxis();
    y->setTitleText(Tr("番付の位置（上が横綱）"));
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
        table->setItem(i, 1,
                       Cell(TrFormat("{rank}（{slot}）", {{"rank", Utf8(RankText(r.rank))},
                                                          {"slot", Digits(r.slot)}})));
        table->setItem(i, 2, Cell(WinsAndLosses(r.wins, r.losses)));
        table->setItem(i, 3, Cell(r.champion ? Tr("優勝") : QString()));
    }
    if (!rows.empty())
        table->scrollToBottom();
}

void FillRivals(QTableWidget* table, const std::vector<RivalRow>& rows) {
    table->setSortingEnabled(false);
    table->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const RivalRow& r = rows[static_cast<size_t>(i)];
        table->setItem(i, 0, Cell(RecordName(r.opponent)));
        table->setItem(i, 1, Number(r.bouts));
        table->setItem(i, 2, Number(r.wins));
        table->setItem(i, 3, Number(r.losses));
    }
    table->setSortingEnabled(true);
}

QString CoverFactsText(const CareerCover& c) {
    QString text =
        TrFormat("初土俵　{basho}場所\n", {{"basho", Utf8(BashoName(c.firstNengo, c.firstMonth))}});
    if (c.lastNengo != 0) {
        const std::string last = Utf8(BashoName(c.lastNengo, c.lastMonth));
        text += c.retired ? TrFormat("引退　{basho}場所\n", {{"basho", last}})
                          : TrFormat("最新　{basho}場所\n", {{"basho", last}});
    }
    return text + TrFormat("最高位　{rank}\n通算　{record}　優勝 {yusho}回",
                           {{"rank", Utf8(TrIn("rank", ShiftJisToUtf8(c.bestRank)))},
                            {"record", Utf8(WinsAndLosses(c.wins, c.losses))},
                            {"yusho", Digits(c.yusyo)}});
}

// Four to a line in Japanese, two in a language whose names are longer, so
// that no name is broken.
size_t FeatsPerLine() {
    return ShownLanguage() == Language::Japanese ? 4 : 2;
}

int FeatLines() {
    return static_cast<int>((kAchievements.size() + FeatsPerLine() - 1) / FeatsPerLine());
}

QString CoverAchievementsText(const CareerCover& c) {
    if (c.achievements.empty())
        return Tr("達成：まだなし");
    QString text = Tr("達成：");
    for (size_t i = 0; i < c.achievements.size(); ++i) {
        const CoverAchievement& a = c.achievements[i];
        if (i > 0)
            text += i % FeatsPerLine() == 0 ? Tr("\n　　　") : Tr("　");
        text += TrFormat("{name}（{basho}）", {{"name", Utf8(Tr(ShiftJisToUtf8(a.name)))},
                                               {"basho", Utf8(BashoName(a.nengo, a.month))}});
    }
    return text;
}

void FillCover(CareerRecordWindow& w, const std::optional<CareerCover>& cover) {
    w.Cover->setVisible(cover.has_value());
    if (!cover)
        return;
    w.CoverName->setText(ShownNameOf(cover->shikona));
    w.CoverFacts->setText(CoverFactsText(*cover));
    w.CoverAchievements->setText(CoverAchievementsText(*cover));
    // Sentences run on in Japanese; other languages put a space between them.
    const Language language = ShownLanguage();
    QString biography;
    for (const std::string& sentence : BiographyIn(language, *cover)) {
        if (!biography.isEmpty() && language != Language::Japanese)
            biography += QLatin1Char(' ');
        biography += QString::fromStdString(sentence);
    }
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
    // The cover keeps its whole height with every feat; the chart and the
    // tables give way.
    const int lineSpacing = QFontMetrics(CoverAchievements->font()).lineSpacing();
    CoverAchievements->setMinimumHeight(3 * lineSpacing + 4);
    CoverAchievements->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    coverHeight_ = layout->minimumSize().height() - 3 * lineSpacing;
}

CareerRecordWindow::CareerRecordWindow(QWidget* parent, CareerRecord& record)
    : QWidget(parent, Qt::Window), record_(record) {
    setObjectName(QStringLiteral("frmCareerRecord"));
    CreateCover();
    Summary = new QLabel(this);
    Summary->setObjectName(QStringLiteral("Summary"));
    Trajectory = new QChartView(this);
    Trajectory->setObjectName(QStringLiteral("Trajectory"));
    Trajectory->setRenderHint(QPainter::Antialiasing);
    Trajectory->setMinimumHeight(260);
    auto* tables = new QSplitter(Qt::Horizontal, this);
    BashoTable = MakeTable(tables, "BashoTable", 4);
    RivalsTable = MakeTable(tables, "RivalsTable", 4);
    // The most frequent opponents first, until the player sorts otherwise.
    RivalsTable->horizontalHeader()->setSortIndicator(1, Qt::DescendingOrder);
    tables->addWidget(BashoTable);
    tables->addWidget(RivalsTable);
    KCard = new QPushButton(this);
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
    Retranslate();
    resize(820, 760);
}

void CareerRecordWindow::Retranslate() {
    setWindowTitle(Tr("力士の記録"));
    const int lineSpacing = QFontMetrics(CoverAchievements->font()).lineSpacing();
    CoverAchievements->setMinimumHeight(FeatLines() * lineSpacing + 4);
    Cover->setMinimumHeight(coverHeight_ + FeatLines() * lineSpacing);
    // The Japanese shares the tables' width out evenly; longer words take
    // the width they need, and the champion's column or the opponent's the rest.
    const bool even = ShownLanguage() == Language::Japanese;
    for (const auto& [table, rest] : {std::pair{BashoTable, 3}, std::pair{RivalsTable, 0}}) {
        QHeaderView* header = table->horizontalHeader();
        header->setSectionResizeMode(even ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
        header->setSectionResizeMode(rest, QHeaderView::Stretch);
    }
    BashoTable->setHorizontalHeaderLabels({Tr("場所"), Tr("番付"), Tr("勝敗"), Tr("優勝")});
    RivalsTable->setHorizontalHeaderLabels({Tr("相手"), Tr("対戦"), Tr("勝"), Tr("敗")});
    KCard->setText(Tr("力士カード(&K)"));
    if (isVisible())
        Fill();
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
    Summary->setText(summary ? SummaryText(*summary) : Tr("記録はまだありません。"));
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
    return DrawCareerCard(CardIn(ShownLanguage(), cover, basho)).save(path, "PNG");
}

void CareerRecordWindow::KCardClick() {
    const std::optional<CareerSummary> summary = career_ ? record_.Career(*career_) : std::nullopt;
    const QString name = summary ? RecordName(summary->shikona) : QStringLiteral("kelmar");
    const QString path = QFileDialog::getSaveFileName(
        this, Tr("力士カードの保存"), name + QStringLiteral(".png"), QStringLiteral("PNG (*.png)"));
    if (path.isEmpty())
        return;
    if (!SaveCard(path))
        QMessageBox::warning(this, Tr("ケルマー"),
                             Tr("力士カード %1 を保存できません。").arg(path));
}

}  // namespace kelmar
