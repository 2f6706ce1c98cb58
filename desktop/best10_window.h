// frmBest10: the top-ten table, shown beside the main window and filled
// afresh every time the menu shows it.
#pragma once

#include <QDialog>

#include "game/game.h"

class QLabel;

namespace kelmar {

class TfrmBest10 : public QDialog {
    Q_OBJECT

  public:
    // Its texts drawn again in the shown language.
    void Retranslate();
    explicit TfrmBest10(QWidget* owner);

    // KT2Click's captions: the game's name and score lines.
    void Fill(const TopTenView& table);

    QLabel* lblName[10];
    QLabel* lblP[10];

  private:
    TopTenView shown_;
};

}  // namespace kelmar
