// The main window as the game's Frontend: what a basho shows and how it waits,
// and the two handlers of the film, Timer1Timer and btnStopClick.
#include <QCoreApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "banzuke/paper_window.h"
#include "banzuke/stage_window.h"
#include "basho/bout_card_drawing.h"
#include "basho/procedures.h"
#include "basho/report_window.h"
#include "basho/strategy_window.h"
#include "shell/game_text.h"
#include "shell/main_window.h"
#include "shell/picture_copy.h"
#include "shell/pixel_view.h"
#include "shell/window_layout.h"
#include "state/game_state.h"
#include "state/text_file.h"

namespace kelmar {

namespace {

// Where lblEast's right edge stands, and the top of both name labels.
const int kEastRight = 417;
const int kNamesTop = 224;
// The longest name the text-input dialog takes.
const int kNameLength = 255;

void SetBoutLabel(QLabel* label, const BoutLabel& bout) {
    SetTextColour(label, bout.player ? colour::Blue : colour::Black);
    SetCaption(label, FromGame(bout.text));
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

void TfrmKelmar::ShowTacticWindow(const std::string& displayName, const std::string& ageLine) {
    frmStrategy->Present(FromGame(displayName), FromGame(ageLine));
    ShowModal(frmStrategy);
}

void TfrmKelmar::ShowOpponentReport(const ReportLines& lines) {
    frmReport->Present(lines);
    ShowModal(frmReport);
}

void TfrmKelmar::ShowCareerReport(const ReportLines& lines) {
    frmReport->Present(lines);
    ShowModal(frmReport);
}

std::optional<std::string> TfrmKelmar::AskName(const std::string& caption,
                                               const std::string& prompt,
                                               const std::string& preset) {
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

void TfrmKelmar::SetDayCaption(const std::string& caption) {
    SetCaption(lblBasyo, FromGame(caption));
}

void TfrmKelmar::DrawBoutCard() {
    kelmar::DrawBoutCard(state_, Image2->Surface());
    Image2->Changed();
}

void TfrmKelmar::DayStarted() {
    dayPictures_ = std::make_unique<DayPictures>(DayPictures::Load());
    btnStop->show();
    btnStop->setEnabled(true);
    KN1->setEnabled(false);
    KT1->setEnabled(false);
}

void TfrmKelmar::LightLamps(int bout) {
    dayPictures_->LightLamps(Image2->Surface(), bout);
    Image2->Changed();
}

void TfrmKelmar::SetBoutNames(const BoutLabel& east, const BoutLabel& west) {
    SetBoutLabel(lblEast, east);
    lblEast->move(kEastRight - lblEast->width(), kNamesTop);
    SetBoutLabel(lblWest, west);
}

bool TfrmKelmar::AnimationSwitchOn() {
    return K1->isChecked();
}

void TfrmKelmar::WaitForFilm() {
    WaitUntil(state_, [](const GameState& s) { return s.AnimationRunning == 0; });
}

void TfrmKelmar::DrawTechnique(int bout, int tactic) {
    dayPictures_->DrawTechnique(Image2->Surface(), bout, tactic);
    Image2->Changed();
}

void TfrmKelmar::PutOutLamp(int bout, Side loser) {
    dayPictures_->PutOutLamp(Image2->Surface(), bout, loser);
    Image2->Changed();
}

void TfrmKelmar::WaitWhilePaused() {
    WaitUntil(state_, [](const GameState& s) { return s.Paused == 0 || s.QuitRequested != 0; });
}

void TfrmKelmar::DayEnded() {
    dayPictures_.reset();
    btnStop->hide();
    btnStop->setEnabled(false);
    KN1->setEnabled(true);
    KT1->setEnabled(true);
    SetCaption(lblWest, QString());
    SetCaption(lblEast, QString());
}

void TfrmKelmar::ShowDailyChart() {
    // The chart may still be open from the menu; a window already shown cannot
    // become modal, so it is closed first.
    frmStage->hide();
    ShowModal(frmStage);
    repaint();
}

void TfrmKelmar::SetScore(const std::string& caption) {
    SetCaption(lblMyP, FromGame(caption));
}

void TfrmKelmar::ShowScore() {
    lblMyP->show();
}

void TfrmKelmar::BashoEnded() {
    PlayerOkButton->show();
    PlayerOkButton->setEnabled(true);
    KB1->setEnabled(true);
    KS1->setEnabled(true);
}

void TfrmKelmar::HideNextButton() {
    // A game resumed while the new-career panel is open closes the whole
    // panel, as a confirm does: a pick must not write into the resumed league.
    HidePanel();
}

void TfrmKelmar::SetPracticeCheck(bool on) {
    KT1->setChecked(on);
}

void TfrmKelmar::Timer1Timer() {
    const FilmAction action = FilmTick(state_);
    if (action.show)
        Image1->show();
    if (action.letter != 0) {
        // Read from disk at every step; a missing picture is reported and the
        // film goes on, its step already counted.
        Image1->SetPicture(LoadPicture(GameFolderPath(std::string(1, action.letter) + ".bmp")));
    }
    if (action.hide)
        Image1->hide();
}

void TfrmKelmar::btnStopClick() {
    btnStop->setText(FromGame(TogglePause(state_)));
}

}  // namespace kelmar
