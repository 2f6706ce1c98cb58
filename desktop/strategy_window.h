// frmStrategy, the tactic window: shown modally inside the player's bout. Its
// three tactic buttons set SelectedTactic and close it; the fourth opens the
// report on today's opponent on top of it.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace kelmar {

class Frontend;
struct GameState;

class TfrmStrategy : public QDialog {
    Q_OBJECT

  public:
    TfrmStrategy(QWidget* owner, GameState& state, Frontend& frontend);

    // Before each showing: the player's display name and the age line.
    void Present(const QString& displayName, const QString& ageLine);

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

    GameState& state_;
    Frontend& frontend_;
};

}  // namespace kelmar
