// frmBest10: the top-ten table, shown beside the main window and filled
// afresh every time the menu shows it.
#pragma once

#include <QDialog>

class QLabel;

namespace kelmar {

struct GameState;

class TfrmBest10 : public QDialog {
    Q_OBJECT

  public:
    explicit TfrmBest10(QWidget* owner);

    // KT2Click's captions: place label and name, score and " てん".
    void Fill(const GameState& state);

    QLabel* lblName[10];
    QLabel* lblP[10];
};

}  // namespace kelmar
