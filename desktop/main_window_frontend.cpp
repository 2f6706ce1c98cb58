// The main window as the game's Frontend: the main view shown on its controls,
// what a basho shows and how it waits, and the two handlers of the film,
// Timer1Timer and btnStopClick.
#include <QAction>
#include <QCoreApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "banzuke/newspaper.h"
#include "basho/procedures.h"
#include "basho/reports.h"
#include "canvas/scoreboard.h"
#include "desktop/bout_card_drawing.h"
#include "desktop/game_text.h"
#include "desktop/language_choice.h"
#include "desktop/main_window.h"
#include "desktop/paper_window.h"
#include "desktop/picture_copy.h"
#include "desktop/pixel_view.h"
#include "desktop/report_window.h"
#include "desktop/stage_window.h"
#include "desktop/strategy_window.h"
#include "desktop/window_layout.h"
#include "game/views_in_language.h"
#include "lang/names.h"
#include "lang/ranks.h"
#include "state/encoding.h"

namespace kelmar {

namespace {

// Where lblEast's right edge stands, and the top of both name labels.
const int kEastRight = 417;
const int kNamesTop = 224;
// The longest name the text-input dialog takes.
const int kNameLength = 255;

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The game's lines (Shift-JIS) as the window shows them, UTF-8.
ReportLines ReportLinesIn(Language, const ReportLines& lines) {
    return {ShiftJisToUtf8(lines.Label3), ShiftJisToUtf8(lines.Label1),
            ShiftJisToUtf8(lines.Label2), ShiftJisToUtf8(lines.Label4)};
}

void SetBoutLabel(QLabel* label, const BoutSide& side) {
    SetTextColour(label, side.player ? colour::Blue : colour::Black);
    SetCaption(label, ShownLanguage() == Language::Japanese
                          ? FromGame(side.Label())
                          : FromUtf8(BoutLabelIn(ShownLanguage(), side, RankForm::Short)));
}

template <typename Done>
void WaitUntil(Done done) {
    // Sleeps in the event loop between events: the timer's ticks end the wait.
    while (!done()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Shown and enabled, or disabled and then hidden: the control that has the
// focus hands it on as it is disabled.
void ShowEnabled(QWidget* control, bool on) {
    control->setEnabled(on);
    control->setVisible(on);
}

}  // namespace

void TfrmKelmar::ShowModal(QDialog* window) {
    if (game_->Quitting())
        return;
    window->exec();
}

void TfrmKelmar::ShowNewspaper(const std::string& page) {
    frmPaper->Present(FromUtf8(NewspaperIn(ShownLanguage(), page, KnownNames(state_))));
    ShowModal(frmPaper);
}

void TfrmKelmar::Show(const MainView& view) {
    KN1->setEnabled(view.newGame);
    KS1->setEnabled(view.save);
    KB1->setEnabled(view.chart);
    KT1->setEnabled(view.practiceItem);
    KT1->setChecked(view.practice);
    K1->setChecked(view.animation);
    for (QWidget* control : PanelControls()) ShowEnabled(control, view.panel);
    PlayerOkButton->setEnabled(view.confirm);
    PlayerOkButton->setVisible(view.confirmShown);
    const MainViewTexts texts = MainViewTextsIn(ShownLanguage(), view);
    PlayerOkButton->setText(FromUtf8(texts.confirmCaption));
    // Hidden before it is disabled, as the day's end always did it.
    btnStop->setVisible(view.stop);
    btnStop->setEnabled(view.stop);
    btnStop->setText(FromUtf8(texts.stopCaption));
    lblMyP->setVisible(view.scoreShown);
    SetCaption(lblMyP, FromUtf8(texts.score));
}

int32_t TfrmKelmar::AskTactic(const TacticQuestion& question) {
    frmStrategy->Present(ShownNameOf(question.name),
                         FromUtf8(TacticAgeLineIn(ShownLanguage(), question)));
    ShowModal(frmStrategy);
    return frmStrategy->Answer();
}

void TfrmKelmar::ShowOpponentReport(const ReportLines& lines) {
    // The game's lines in Japanese; in another language, the same report
    // worded again from its pieces.
    frmReport->Present(ShownLanguage() == Language::Japanese
                           ? ReportLinesIn(Language::Japanese, lines)
                           : ReportLinesIn(ShownLanguage(), OpponentReportPieces(state_)));
    ShowModal(frmReport);
}

void TfrmKelmar::ShowCareerReport(const ReportLines& lines) {
    frmReport->Present(
        ShownLanguage() == Language::Japanese
            ? ReportLinesIn(Language::Japanese, lines)
            : ReportLinesIn(ShownLanguage(), CareerReportPieces(state_, state_.PlayerIndex)));
    ShowModal(frmReport);
}

std::optional<std::string> TfrmKelmar::AskName(std::string_view caption, std::string_view prompt,
                                               std::string_view preset) {
    if (game_->Quitting())
        return std::nullopt;
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("NameDialog"));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(Tr(ShiftJisToUtf8(caption)));
    dialog.setLabelText(Tr(ShiftJisToUtf8(prompt)));
    dialog.setTextValue(FromGame(preset));
    if (auto* edit = dialog.findChild<QLineEdit*>())
        edit->setMaxLength(kNameLength);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return ToGame(dialog.textValue());
}

void TfrmKelmar::DayBegins(const DayCard& card) {
    day_ = card;
    SetCaption(lblBasyo, FromUtf8(DayCaptionIn(ShownLanguage(), card)));
    kelmar::DrawBoutCard(card, Image2->Surface());
    Image2->Changed();
    dayPictures_ = std::make_unique<DayPictures>(DayPictures::Load());
}

void TfrmKelmar::BoutBegins(const BoutStart& bout) {
    dayPictures_->LightLamps(Image2->Surface(), bout.column);
    Image2->Changed();
    bout_ = bout;
    ShowBoutLabels();
}

void TfrmKelmar::ShowBoutLabels() {
    if (!bout_)
        return;
    SetBoutLabel(lblEast, bout_->east);
    lblEast->move(kEastRight - lblEast->width(), kNamesTop);
    SetBoutLabel(lblWest, bout_->west);
}

void TfrmKelmar::BoutFought(const BoutOutcome& outcome) {
    if (outcome.filmed)
        WaitUntil([this] { return !game_->FilmRuns(); });
    if (outcome.film != nullptr) {
        dayPictures_->DrawTechnique(Image2->Surface(), outcome.column, outcome.winnerTactic);
        Image2->Changed();
    }
    dayPictures_->PutOutLamp(Image2->Surface(), outcome.column, outcome.Loser());
    Image2->Changed();
}

void TfrmKelmar::Paused() {
    WaitUntil([this] { return !game_->PauseHolds(); });
}

void TfrmKelmar::DayEnds() {
    dayPictures_.reset();
    bout_.reset();
    SetCaption(lblWest, QString());
    SetCaption(lblEast, QString());
}

void TfrmKelmar::ShowDailyChart(const DailyChart& chart) {
    // The chart may still be open from the menu; a window already shown cannot
    // become modal, so it is closed first.
    frmStage->hide();
    frmStage->UseRows(&chart);
    ShowModal(frmStage);
    frmStage->UseRows(nullptr);
    repaint();
}

// The score, the next button and the menu's items: all in the main view.
void TfrmKelmar::BashoEnds(int32_t) {}

void TfrmKelmar::Timer1Timer() {
    const FilmAction action = game_->Tick();
    if (action.show)
        Image1->show();
    if (action.letter != 0) {
        // Read from disk at every step; a missing picture is reported and the
        // film goes on, its step already counted.
        Image1->SetPicture(ImageOf(canvas::FilmFrame(action.letter)));
    }
    if (action.hide)
        Image1->hide();
}

void TfrmKelmar::btnStopClick() {
    game_->TogglePause();  // the caption comes with the view
}

}  // namespace kelmar
