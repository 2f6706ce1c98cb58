#include "desktop/paper_window.h"

#include <QLabel>
#include <QPushButton>

#include "desktop/button_keys.h"
#include "desktop/language_choice.h"
#include "desktop/window_layout.h"

namespace kelmar {

namespace {
const QSize kClient(317, 166);
const int kOkLeft = 136;
}  // namespace

TfrmPaper::TfrmPaper(QWidget* owner) : QDialog(owner) {
    SetUpWindow(this, QStringLiteral("frmPaper"), Tr("ニュース"), kClient, Frame::Tool,
                PGothicFont(12), QColor());
    lblTitle = MakeLabel(this, QStringLiteral("lblTitle"), QRect(8, 8, 0, 0), PGothicFont(15),
                         colour::Black);
    Ok = MakeButton(this, QStringLiteral("Ok"), QRect(kOkLeft, 136, 49, 25), QStringLiteral("Ok"));
    connect(Ok, &QPushButton::clicked, this, &TfrmPaper::OkClick);
    PressWithEnter(Ok);
    FormCreate();
}

void TfrmPaper::Retranslate() {
    setWindowTitle(Tr("ニュース"));
}

void TfrmPaper::Present(const QString& page) {
    // Each line of the page ends in a line feed and then a carriage return;
    // the line feed breaks the line, the carriage return adds nothing. The
    // label grows with the page while the window keeps its size.
    QString lines = page;
    lines.remove(QLatin1Char('\r'));
    SetCaption(lblTitle, lines);
    WidenForLabels(this, kClient, Ok, kOkLeft);
}

void TfrmPaper::FormCreate() {
    move(CentredPosition(PrimaryScreenSize(), OuterSize(kClient, Frame::Tool)));
}

}  // namespace kelmar
