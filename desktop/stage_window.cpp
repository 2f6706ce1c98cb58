#include "desktop/stage_window.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "desktop/button_keys.h"
#include "desktop/chart_drawing.h"
#include "desktop/error_guard.h"
#include "desktop/game_text.h"
#include "desktop/language_choice.h"
#include "desktop/pixel_view.h"
#include "desktop/window_layout.h"
#include "game/game.h"
#include "game/views_in_language.h"
#include "state/errors.h"

namespace kelmar {

namespace {
const QSize kClient(425, 321);
const QPoint kOffset(100, 80);
}  // namespace

TfrmStage::TfrmStage(QWidget* mainWindow, const Game& game) : QDialog(mainWindow), game_(game) {
    SetUpWindow(this, QStringLiteral("frmStage"), Tr("番付表"), kClient, Frame::Tool,
                GothicFont(16), colour::White);
    Image1 = new PixelView(this, QStringLiteral("Image1"), QRect(QPoint(0, 0), kClient));
    Image1->SetPicture(WhiteSurface(kClient));
    lblTitle = MakeLabel(this, QStringLiteral("lblTitle"), QRect(0, 0, 433, 16), GothicFont(16),
                         colour::White);
    SetBackground(lblTitle, colour::Gray);
    btnClose = MakeButton(this, QStringLiteral("btnClose"), QRect(368, 296, 57, 25), Tr("閉じる"));
    btnClose->setFont(GothicFont(15));
    connect(btnClose, &QPushButton::clicked, this, &TfrmStage::btnCloseClick);
    PressWithEnter(btnClose);
    FormCreate(mainWindow);
}

void TfrmStage::Retranslate() {
    setWindowTitle(Tr("番付表"));
    btnClose->setText(Tr("閉じる"));
    if (!isVisible())
        return;
    SetCaption(lblTitle, QString::fromStdString(ChartTitlesIn(ShownLanguage())));
    // The rank words and the names are drawn in the sheet: the chart is drawn
    // again from the sheet of the language.
    if (failedWhileShown_)
        return;
    try {
        FormActivate();
    } catch (const std::exception& failure) {
        failedWhileShown_ = true;
        ShowFailure(this, failure);
    }
}

void TfrmStage::FormCreate(QWidget* mainWindow) {
    move(mainWindow->pos() + kOffset);
}

bool TfrmStage::event(QEvent* event) {
    if (event->type() == QEvent::Show)
        failedWhileShown_ = false;
    // An activation that arrives after the window was hidden again (the chart
    // opened from the menu and closed by the next basho's start) draws nothing:
    // the records may be half way through the new basho's set-up.
    if (event->type() == QEvent::WindowActivate && isVisible() && !failedWhileShown_) {
        try {
            FormActivate();
        } catch (const std::exception& failure) {
            // Closing the message box activates the chart again: one message
            // for each showing, not one after another for ever.
            failedWhileShown_ = true;
            ShowFailure(this, failure);
        }
    }
    return QDialog::event(event);
}

void TfrmStage::FormActivate() {
    if (chart_ != nullptr && !chart_->refusal.empty())
        throw GameError(chart_->refusal);
    DrawChart(chart_ != nullptr ? chart_->rows : game_.Chart(), Image1->Surface(), ShownLanguage());
    Image1->Changed();
    SetCaption(lblTitle, QString::fromStdString(ChartTitlesIn(ShownLanguage())));
}

}  // namespace kelmar
