#include "desktop/report_window.h"

#include <QLabel>
#include <QPushButton>

#include "desktop/button_keys.h"
#include "desktop/language_choice.h"
#include "desktop/window_layout.h"

namespace kelmar {

namespace {
const QSize kOuter(192, 170);
const int kOkLeft = 72;
}  // namespace

TfrmReport::TfrmReport(QWidget* owner) : QDialog(owner) {
    SetUpWindow(this, QStringLiteral("frmReport"), Tr("対戦力士の情報"),
                ClientSize(kOuter, Frame::Dialog), Frame::Dialog, PGothicFont(12), QColor());
    Label3 = MakeLabel(this, QStringLiteral("Label3"), QRect(8, 8, 0, 0), GothicFont(16),
                       colour::Maroon);
    Label1 = MakeLabel(this, QStringLiteral("Label1"), QRect(8, 40, 0, 0), GothicFont(13),
                       colour::Black);
    Label2 = MakeLabel(this, QStringLiteral("Label2"), QRect(8, 64, 0, 0), GothicFont(13),
                       colour::Black);
    Label4 = MakeLabel(this, QStringLiteral("Label4"), QRect(8, 88, 0, 0), PGothicFont(13),
                       colour::Black);
    // The designer's captions, shown until a report writes the lines.
    for (QLabel* label : {Label3, Label1, Label2, Label4}) SetCaption(label, label->objectName());
    Button1 = MakeButton(this, QStringLiteral("Button1"), QRect(kOkLeft, 112, 41, 25),
                         QStringLiteral("Ok"));
    connect(Button1, &QPushButton::clicked, this, &TfrmReport::Button1Click);
    PressWithEnter(Button1);
    FormCreate();
}

void TfrmReport::Retranslate() {
    setWindowTitle(Tr("対戦力士の情報"));
}

void TfrmReport::Present(const ReportLines& lines) {
    SetCaption(Label3, QString::fromStdString(lines.Label3));
    SetCaption(Label1, QString::fromStdString(lines.Label1));
    SetCaption(Label2, QString::fromStdString(lines.Label2));
    SetCaption(Label4, QString::fromStdString(lines.Label4));
    WidenForLabels(this, ClientSize(kOuter, Frame::Dialog), Button1, kOkLeft);
}

void TfrmReport::FormCreate() {
    move(CentredPosition(PrimaryScreenSize(), kOuter));
}

}  // namespace kelmar
