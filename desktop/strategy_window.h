// frmStrategy, the tactic window: shown modally inside the player's bout. Its
// three tactic buttons keep their tactic as the answer and close it; the
// fourth opens the report on today's opponent on top of it.
#pragma once

#include <QDialog>
#include <cstdint>

#include "state/frontend.h"

class QLabel;
class QPushButton;

namespace kelmar {

class Game;

class TfrmStrategy : public QDialog {
    Q_OBJECT

  public:
    // Its texts drawn again in the shown language.
    void Retranslate();
    TfrmStrategy(QWidget* owner, Game& game);

    // Before each showing: the player's display name and the age line; no
    // answer yet.
    void Present(const QString& displayName, const QString& ageLine);
    // The tactic 1..3 pressed since, or kNoTactic.
    int32_t Answer() const { return answer_; }

    QLabel* lblNameOfwres;
    QLabel* Label2;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;
    QLabel* lblAge;

  private:
    void FormCreate();
    void ChooseTactic(int code);  // Button1Click .. Button3Click
    void Button4Click();

    Game& game_;
    int32_t answer_ = kNoTactic;
};

}  // namespace kelmar
