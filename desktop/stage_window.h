// frmStage, the banzuke chart: shown modally after every day's bouts, and
// beside the main window from the menu. The chart is drawn afresh every time
// the window becomes active.
#pragma once

#include <QDialog>

#include "state/frontend.h"

class QLabel;
class QPushButton;

namespace kelmar {

class Game;
class PixelView;

class TfrmStage : public QDialog {
    Q_OBJECT

  public:
    // Its texts, and the chart when it is shown, drawn again in the shown
    // language.
    void Retranslate();
    // Placed 100 pixels right of and 80 below the main window's corner.
    TfrmStage(QWidget* mainWindow, const Game& game);

    PixelView* Image1;
    QLabel* lblTitle;
    QPushButton* btnClose;

    // The daily chart, drawn while it is shown after a day; null: the game's
    // chart of the league as it stands, as the menu shows it.
    void UseRows(const DailyChart* chart) { chart_ = chart; }

  protected:
    bool event(QEvent* event) override;

  private:
    void FormCreate(QWidget* mainWindow);
    void FormActivate();
    void btnCloseClick() { close(); }

    const Game& game_;
    const DailyChart* chart_ = nullptr;
    // The chart could not be drawn since the window was last shown.
    bool failedWhileShown_ = false;
};

}  // namespace kelmar
