// The main window as the game's Frontend: what a basho shows and how it waits,
// and the two handlers of the film, Timer1Timer and btnStopClick.
#include <QCoreApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "basho/procedures.h"
#include "canvas/scoreboard.h"
#include "desktop/bout_card_drawing.h"
#include "desktop/game_text.h"
#include "desktop/main_window.h"
#include "desktop/paper_window.h"
#include "desktop/picture_copy.h"
#include "desktop/pixel_view.h"
#include "desktop/report_window.h"
#include "desktop/stage_window.h"
#include "desktop/strategy_window.h"
#include "desktop/window_layout.h"
#include "state/game_state.h"

namespace kelmar {

namespace {

// Where lblEast's right edge stands, and the top of both name labels.
const int kEastRight = 417;
const int kNamesTop = 224;
// The longest name the text-input dialog takes.
const int kNameLength = 255;

void SetBoutLabel(QLabel* label, const BoutSide& side) {
    SetTextColour(label, side.player ? colour::Blue : colour::Black);
    SetCaption(label, FromGame(side.Label()));
}

void WaitUntil(const GameState& state, bool (*done)(const GameState&)) {
    // Sleeps in the event loop between events: the timer's ticks end the wait.
    while (!done(state)) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace

void TfrmKelmar::ShowModal(QDialog* window) {
    if (state_.QuitRequested != 0)
        return;
    window->exec();
}

void TfrmKelmar::ShowNewspaper(const std::string& page) {
    frmPaper->Present(FromGame(page));
    ShowModal(frmPaper);
}

void TfrmKelmar::Show(const MainView&) {}

int32_t TfrmKelmar::AskTactic(const TacticQuestion& question) {
    frmStrategy->Present(FromGame(question.name), FromGame(TacticAgeLine(question)));
    ShowModal(frmStrategy);
    return kNoTactic;
}

void TfrmKelmar::ShowOpponentReport(const ReportLines& lines) {
    frmReport->Present(lines);
    ShowModal(frmReport);
}

void TfrmKelmar::ShowCareerReport(const ReportLines& lines) {
    frmReport->Present(lines);
    ShowModal(frmReport);
}

std::optional<std::string> TfrmKelmar::AskName(std::string_view caption, std::string_view prompt,
                                               std::string_view preset) {
    if (state_.QuitRequested != 0)
        return std::nullopt;
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("NameDialog"));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(FromGame(caption));
    dialog.setLabelText(FromGame(prompt));
    dialog.setTextValue(FromGame(preset));
    if (auto* edit = dialog.findChild<QLineEdit*>())
        edit->setMaxLength(kNameLength);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return ToGame(dialog.textValue());
}

void TfrmKelmar::DayBegins(const DayCard& card) {
    SetCaption(lblBasyo, FromGame(DayCaption(card)));
    kelmar::DrawBoutCard(card, Image2->Surface());
    Image2->Changed();
    dayPictures_ = std::make_unique<DayPictures>(DayPictures::Load());
    btnStop->show();
    btnStop->setEnabled(true);
    KN1->setEnabled(false);
    KT1->setEnabled(false);
}

void TfrmKelmar::BoutBegins(const BoutStart& bout) {
    dayPictures_->LightLamps(Image2->Surface(), bout.column);
    Image2->Changed();
    SetBoutLabel(lblEast, bout.east);
    lblEast->move(kEastRight - lblEast->width(), kNamesTop);
    SetBoutLabel(lblWest, bout.west);
}

void TfrmKelmar::BoutFought(const BoutOutcome& outcome) {
    if (outcome.filmed)
        WaitUntil(state_, [](const GameState& s) { return s.AnimationRunning == 0; });
    if (outcome.film != nullptr) {
        dayPictures_->DrawTechnique(Image2->Surface(), outcome.column, outcome.winnerTactic);
        Image2->Changed();
    }
    dayPictures_->PutOutLamp(Image2->Surface(), outcome.column, outcome.Loser());
    Image2->Changed();
}

void TfrmKelmar::Paused() {
    WaitUntil(state_, [](const GameState& s) { return s.Paused == 0 || s.QuitRequested != 0; });
}

void TfrmKelmar::DayEnds() {
    dayPictures_.reset();
    btnStop->hide();
    btnStop->setEnabled(false);
    KN1->setEnabled(true);
    KT1->setEnabled(true);
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

void TfrmKelmar::BashoEnds(int32_t score) {
    SetCaption(lblMyP, FromGame(ScoreCaption(score)));
    PlayerOkButton->show();
    PlayerOkButton->setEnabled(true);
    KB1->setEnabled(true);
    KS1->setEnabled(true);
}

void TfrmKelmar::Timer1Timer() {
    const FilmAction action = FilmTick(state_);
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
    btnStop->setText(FromGame(TogglePause(state_)));
}

}  // namespace kelmar
