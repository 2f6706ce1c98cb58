// frmReport: four lines about one rikishi, the opponent report over the tactic
// window or the career report of the retired player. Shown modally.
#pragma once

#include <QDialog>

#include "state/frontend.h"

class QLabel;
class QPushButton;

namespace kelmar {

class TfrmReport : public QDialog {
    Q_OBJECT

  public:
    explicit TfrmReport(QWidget* owner);

    // The lines in UTF-8.
    void Present(const ReportLines& lines);
    void Retranslate();

    QLabel* Label3;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label4;
    QPushButton* Button1;

  private:
    void FormCreate();
    void Button1Click() { close(); }
};

}  // namespace kelmar
