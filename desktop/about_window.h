// AboutForm, the version box: shown beside the main window, never modal.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace kelmar {

class TAboutForm : public QDialog {
    Q_OBJECT

  public:
    // Its texts drawn again in the shown language.
    void Retranslate();
    explicit TAboutForm(QWidget* owner);

    QLabel* Label1;
    QPushButton* Button1;

  private:
    void FormCreate();
    void Button1Click();
};

}  // namespace kelmar
