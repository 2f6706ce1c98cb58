#include "desktop/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "desktop/about_window.h"
#include "desktop/best10_window.h"
#include "desktop/bout_card_drawing.h"
#include "desktop/button_keys.h"
#include "desktop/error_guard.h"
#include "desktop/film_pace.h"
#include "desktop/help_window.h"
#include "desktop/home_face.h"
#include "desktop/language_choice.h"
#include "desktop/paper_window.h"
#include "desktop/pixel_view.h"
#include "desktop/report_window.h"
#include "desktop/stage_window.h"
#include "desktop/strategy_window.h"
#include "desktop/window_layout.h"
#include "game/views_in_language.h"
#include "record/career_record.h"

namespace kelmar {

namespace {

// The outer size the layout was made for, and the client area it leaves under
// the title bar and the menu bar.
const QSize kOuter(438, 370);
const QSize kClient(430, 324);

QAction* AddItem(QWidget* menu, QObject* owner, const char* name, const QString& caption) {
    auto* action = new QAction(caption, owner);
    action->setObjectName(QString::fromLatin1(name));
    menu->addAction(action);
    return action;
}

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->setFont(bar->font());
    return menu;
}

}  // namespace

TfrmKelmar::TfrmKelmar(GameState& state, Clock& clock, MainWindowOptions options)
    : state_(state), standardTickMs_(options.timerIntervalMs) {
    SetShownLanguage(options.language ? *options.language : StartingLanguage());
    CreateRecord(state);
    game_ = std::make_unique<Game>(state, *this, clock, DiskLeagueFiles(), log_.get());
    SetUpWindow(this, QStringLiteral("frmKelmar"), Tr("ケルマー"), kClient, Frame::Sizeable,
                GothicFont(16), colour::White);
    SetTextColour(this, colour::Black);
    CreateControls();
    CreateNewCareerPanel();
    CreateMenu();
    Show(game_->View());
    CreateHome();
    resize(kClient.width(), menuBar()->sizeHint().height() + kClient.height());
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    ApplyFilmPace(LoadFilmPace());
    ConnectHandlers();
    FormCreate();
    CreateOtherWindows();
    Timer1->start();
}

TfrmKelmar::~TfrmKelmar() = default;

void TfrmKelmar::CreateControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);
    Image2 = new PixelView(client, QStringLiteral("Image2"), QRect(0, 0, 425, 161));
    Image2->SetPicture(WhiteSurface(Image2->size()));
    Image1 = new PixelView(client, QStringLiteral("Image1"), QRect(88, 160, 240, 160));
    Image1->hide();
    lblWest = MakeLabel(client, QStringLiteral("lblWest"), QRect(8, 224, 0, 0), GothicFont(16),
                        colour::Black);
    lblEast = MakeLabel(client, QStringLiteral("lblEast"), QRect(417, 224, 0, 0), GothicFont(16),
                        colour::Black);
    lblEast->setAlignment(Qt::AlignRight | Qt::AlignTop);
    QFont score = GothicFont(13);
    score.setBold(true);
    lblMyP = MakeLabel(client, QStringLiteral("lblMyP"), QRect(8, 280, 0, 0), score, colour::Red);
    QFont basyo = GothicFont(12);
    basyo.setUnderline(true);
    lblBasyo =
        MakeLabel(client, QStringLiteral("lblBasyo"), QRect(8, 304, 0, 0), basyo, colour::Purple);
    btnStop = MakeButton(client, QStringLiteral("btnStop"), QRect(368, 272, 59, 33), Tr("停止"));
}

void TfrmKelmar::CreateMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    // The menu is drawn in the system's menu font, not the window's.
    bar->setFont(PGothicFont(12));
    File1 = AddMenu(bar, "File1", Tr("ﾌｧｲﾙ(&F)"));
    KN1 = AddItem(File1, this, "KN1", Tr("新しいゲーム(&N)"));
    KS1 = AddItem(File1, this, "KS1", Tr("ゲームの保存(&S)"));
    KO2 = AddItem(File1, this, "KO2", Tr("ゲームの再開(&O)"));
    KQ1 = AddItem(File1, this, "KQ1", Tr("終わり(&Q)"));
    KB1 = AddItem(bar, this, "KB1", Tr("番付と成績(&B)"));
    KT2 = AddItem(bar, this, "KT2", Tr("トップ１０(&T)"));
    CreateRecordMenu(bar);
    KO1 = AddMenu(bar, "KO1", Tr("オプション(&O)"));
    KT1 = AddItem(KO1, this, "KT1", Tr("練習レベル(&T)"));
    K1 = AddItem(KO1, this, "K1", Tr("アニメーション(&A)"));
    FilmPaceMenu = KO1->addMenu(Tr("フィルムの速さ(&F)"));
    FilmPaceMenu->setObjectName(QStringLiteral("FilmPaceMenu"));
    FilmPaceMenu->setFont(bar->font());
    // Each with a check mark like K1's, not in an action group, which would
    // draw radio marks; ApplyFilmPace keeps one of them checked.
    for (size_t i = 0; i < kFilmPaces.size(); ++i) {
        FilmPaceItems[i] =
            AddItem(FilmPaceMenu, this, "",
                    QString::fromStdString(FilmPaceCaptionIn(ShownLanguage(), kFilmPaces[i])));
        FilmPaceItems[i]->setObjectName(QStringLiteral("FilmPace%1").arg(i + 1));
        FilmPaceItems[i]->setCheckable(true);
    }
    LanguageMenu = KO1->addMenu(Tr("言語(&L)"));
    LanguageMenu->setObjectName(QStringLiteral("LanguageMenu"));
    LanguageMenu->setFont(bar->font());
    // Each language in its own name, whatever the language shown.
    for (const LanguageName& each : Languages()) {
        auto* item = new QAction(
            QString::fromUtf8(each.ownName.data(), static_cast<qsizetype>(each.ownName.size())),
            this);
        const QString code =
            QString::fromLatin1(each.code.data(), static_cast<qsizetype>(each.code.size()));
        item->setObjectName(QStringLiteral("Lang") + code.left(1).toUpper() + code.mid(1));
        LanguageMenu->addAction(item);
        item->setCheckable(true);
        item->setChecked(each.language == ShownLanguage());
        LanguageItems.push_back(item);
    }
    KH1 = AddMenu(bar, "KH1", Tr("ヘルプ(&H)"));
    KP1 = AddItem(KH1, this, "KP1", Tr("遊びかた(&P)"));
    KA1 = AddItem(KH1, this, "KA1", Tr("バージョン情報(&A)"));
    KT1->setCheckable(true);
    K1->setCheckable(true);
}

void TfrmKelmar::ConnectHandlers() {
    // Every handler runs through the error guard.
    const auto guard = [this](void (TfrmKelmar::*handler)()) {
        return [this, handler] { Guarded(this, [&] { (this->*handler)(); }); };
    };
    const std::pair<QAction*, void (TfrmKelmar::*)()> items[] = {
        {KN1, &TfrmKelmar::KN1Click}, {KS1, &TfrmKelmar::KS1Click}, {KO2, &TfrmKelmar::KO2Click},
        {KQ1, &TfrmKelmar::KQ1Click}, {KB1, &TfrmKelmar::KB1Click}, {KT2, &TfrmKelmar::KT2Click},
        {KT1, &TfrmKelmar::KT1Click}, {K1, &TfrmKelmar::K1Click},   {KP1, &TfrmKelmar::KP1Click},
        {KA1, &TfrmKelmar::KA1Click}, {KC1, &TfrmKelmar::KC1Click}, {KH2, &TfrmKelmar::KH2Click},
        {KA2, &TfrmKelmar::KA2Click}};
    for (const auto& [item, handler] : items)
        connect(item, &QAction::triggered, this, guard(handler));
    for (size_t i = 0; i < kFilmPaces.size(); ++i) {
        connect(FilmPaceItems[i], &QAction::triggered, this,
                [this, pace = kFilmPaces[i].pace] { Guarded(this, [&] { FilmPaceClick(pace); }); });
    }
    for (size_t i = 0; i < LanguageItems.size(); ++i) {
        connect(LanguageItems[i], &QAction::triggered, this,
                [this, language = Languages()[i].language] {
                    Guarded(this, [&] { SetLanguage(language); });
                });
    }
    connect(PlayerOkButton, &QPushButton::clicked, this, guard(&TfrmKelmar::PlayerOkButtonClick));
    // Enter presses "次へ" between two basho, wherever the focus is; the
    // new-career panel's "Ok" is left to the mouse and the space bar.
    PressWithEnter(PlayerOkButton, [this] { return game_->View().next; });
    connect(btnStop, &QPushButton::clicked, this, guard(&TfrmKelmar::btnStopClick));
    connect(Timer1, &QTimer::timeout, this, guard(&TfrmKelmar::Timer1Timer));
    // A pick is a click on an entry or any other change of the selection; a
    // click that changed the selection is one pick, not two.
    JuryoList->viewport()->installEventFilter(this);
    connect(JuryoList, &QListWidget::itemSelectionChanged, this,
            [this, pick = guard(&TfrmKelmar::JuryoListClick)] {
                selectionChangedInPress_ = true;
                pick();
            });
    connect(JuryoList, &QListWidget::itemClicked, this,
            [this, pick = guard(&TfrmKelmar::JuryoListClick)] {
                if (!selectionChangedInPress_)
                    pick();
            });
}

bool TfrmKelmar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == JuryoList->viewport() && event->type() == QEvent::MouseButtonPress)
        selectionChangedInPress_ = false;
    return QMainWindow::eventFilter(watched, event);
}

void TfrmKelmar::FormCreate() {
    move(CentredPosition(PrimaryScreenSize(), kOuter));
    // A table that cannot be read is reported; the game starts with an empty one.
    Guarded(this, [&] { game_->Start(); });
}

void TfrmKelmar::CreateOtherWindows() {
    AboutForm = new TAboutForm(this);
    frmStage = new TfrmStage(this, *game_);
    frmStrategy = new TfrmStrategy(this, *game_);
    frmReport = new TfrmReport(this);
    frmPaper = new TfrmPaper(this);
    frmBest10 = new TfrmBest10(this);
}

void TfrmKelmar::KS1Click() {
    game_->Save();
}

void TfrmKelmar::KO2Click() {
    // As at a confirm: the resumed basho sets itself up with the chart closed.
    if (!game_->BashoRunning())
        frmStage->hide();
    // The home makes way once the saved game has been read (the log is told).
    PlayBasho(&Game::Resume);
}

void TfrmKelmar::KQ1Click() {
    game_->Quit();
    close();
}

void TfrmKelmar::closeEvent(QCloseEvent* event) {
    // Closing the window by its frame is quitting too: a running basho skips
    // its remaining days.
    game_->Quit();
    for (QWidget* window : findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) window->hide();
    event->accept();
    QCoreApplication::quit();
}

void TfrmKelmar::KB1Click() {
    // Its activation draws the game's chart as it stands.
    frmStage->show();
    frmStage->raise();
    frmStage->activateWindow();
}

void TfrmKelmar::KT2Click() {
    frmBest10->Fill(game_->TopTen());
    frmBest10->show();
    frmBest10->raise();
    frmBest10->activateWindow();
}

void TfrmKelmar::KT1Click() {
    game_->SetPractice(KT1->isChecked());
}

void TfrmKelmar::K1Click() {
    game_->SetAnimation(K1->isChecked());
}

void TfrmKelmar::FilmPaceClick(FilmPace pace) {
    ApplyFilmPace(pace);
    SaveFilmPace(pace);
}

void TfrmKelmar::ApplyFilmPace(FilmPace pace) {
    for (size_t i = 0; i < kFilmPaces.size(); ++i)
        FilmPaceItems[i]->setChecked(kFilmPaces[i].pace == pace);
    Timer1->setInterval(TickInterval(pace, standardTickMs_));
}

void TfrmKelmar::KP1Click() {
    if (HelpWindow == nullptr)
        HelpWindow = new THelpWindow(this);
    // The game's help in Japanese; ours beside it in English, in the same form.
    HelpWindow->OpenTopic(ShownLanguage() == Language::Japanese ? QStringLiteral("Kelmar.hlp")
                                                                : QStringLiteral("Kelmar-en.hlp"),
                          1);
}

void TfrmKelmar::KA1Click() {
    AboutForm->show();
    AboutForm->raise();
    AboutForm->activateWindow();
}

}  // namespace kelmar
