// frmStage, the banzuke chart: shown modally after every day's bouts, and
// beside the main window from the menu. The chart is drawn afresh every time
// the window becomes active.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace kelmar {

class PixelView;
struct GameState;

class TfrmStage : public QDialog {
    Q_OBJECT

  public:
    // Placed 100 pixels right of and 80 below the main window's corner.
    TfrmStage(QWidget* mainWindow, const GameState& state);

    PixelView* Image1;
    QLabel* lblTitle;
    QPushButton* btnClose;

  protected:
    bool event(QEvent* event) override;

  private:
    void FormCreate(QWidget* mainWindow);
    void FormActivate();
    void btnCloseClick() { close(); }

    const GameState& state_;
    // The chart could not be drawn since the window was last shown.
    bool failedWhileShown_ = false;
};

}  // namespace kelmar
