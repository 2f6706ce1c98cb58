// The main window's home: made over the board at start-up, its buttons the
// menu's own commands, hidden when a career starts (New game or a resume) and
// shown again when the career has ended, with a fresh glance at the saved game
// and the cover of the career beside it.
#include <QAction>
#include <QPushButton>
#include <utility>

#include "desktop/career_window.h"
#include "desktop/home_face.h"
#include "desktop/main_window.h"
#include "record/career_record.h"

namespace kelmar {

void TfrmKelmar::CreateHome() {
    Home = new HomeFace(centralWidget());
    const std::pair<QPushButton*, QAction*> ways[] = {
        {Home->NewButton, KN1},  {Home->ResumeButton, KO2},  {Home->RecordButton, KC1},
        {Home->PastButton, KH2}, {Home->ArchiveButton, KA2},
    };
    for (const auto& [button, item] : ways)
        connect(button, &QPushButton::clicked, item, &QAction::trigger);
    ShowHome();
}

void TfrmKelmar::ShowHome() {
    Home->Refresh();
    Home->raise();
    Home->show();
}

void TfrmKelmar::HideHome() {
    Home->hide();
}

void TfrmKelmar::CareerEnds(const GameState& state) {
    careerEnded_ = true;
    Frontend::CareerEnds(state);
}

void TfrmKelmar::PlayBasho(void (Game::*command)()) {
    // Given while a basho runs, the command is refused before a basho of its
    // own begins; the running one keeps its book-keeping.
    if (game_->BashoRunning()) {
        ((*game_).*command)();
        return;
    }
    bashoBegan_ = false;
    try {
        ((*game_).*command)();
    } catch (...) {
        BashoReturned();
        throw;
    }
    BashoReturned();
}

void TfrmKelmar::BashoBegins() {
    bashoBegan_ = true;
    careerEnded_ = false;
    retiredBefore_ = record_->LastRetired();
}

void TfrmKelmar::BashoReturned() {
    // A command that failed before its basho began changed nothing of the
    // record.
    if (!std::exchange(bashoBegan_, false))
        return;
    RefreshRecordWindows();
    if (careerEnded_) {
        careerEnded_ = false;
        ShowHome();
        // The cover of the career just ended, once the report and the
        // top-ten question are closed; a record that failed has none.
        const auto retired = record_->LastRetired();
        if (retired && retired != retiredBefore_ && !game_->Quitting()) {
            if (frmCareerRecord == nullptr)
                frmCareerRecord = new CareerRecordWindow(this, *record_);
            frmCareerRecord->ShowCareer(*retired);
            frmCareerRecord->show();
            frmCareerRecord->raise();
            frmCareerRecord->activateWindow();
        }
    }
}

}  // namespace kelmar
