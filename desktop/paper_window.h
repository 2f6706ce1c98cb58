// frmPaper: the page of the sports paper before every basho, shown modally.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace kelmar {

class TfrmPaper : public QDialog {
    Q_OBJECT

  public:
    // Its texts drawn again in the shown language.
    void Retranslate();
    explicit TfrmPaper(QWidget* owner);

    // The page as the paper composes it (lines ending in LF CR).
    void Present(const QString& page);

    QLabel* lblTitle;
    QPushButton* Ok;

  private:
    void FormCreate();
    void OkClick() { close(); }
};

}  // namespace kelmar
