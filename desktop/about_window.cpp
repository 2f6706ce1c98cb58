#include "desktop/about_window.h"

#include <QLabel>
#include <QPushButton>

#include "desktop/language_choice.h"
#include "desktop/window_layout.h"

namespace kelmar {

namespace {
const QSize kClient(252, 170);
}

TAboutForm::TAboutForm(QWidget* owner) : QDialog(owner) {
    SetUpWindow(this, QStringLiteral("AboutForm"), Tr("バージョン情報"), kClient, Frame::Dialog,
                PGothicFont(12), QColor());
    Label1 = MakeLabel(this, QStringLiteral("Label1"), QRect(40, 32, 175, 15), PGothicFont(15),
                       colour::Black);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setText(Tr("ケルマー    Version 1.1"));
    Button1 =
        MakeButton(this, QStringLiteral("Button1"), QRect(184, 136, 41, 25), QStringLiteral("OK"));
    connect(Button1, &QPushButton::clicked, this, &TAboutForm::Button1Click);
    FormCreate();
}

void TAboutForm::Retranslate() {
    setWindowTitle(Tr("バージョン情報"));
    Label1->setText(Tr("ケルマー    Version 1.1"));
}

void TAboutForm::FormCreate() {
    move(CentredPosition(PrimaryScreenSize(), OuterSize(kClient, Frame::Dialog)));
}

void TAboutForm::Button1Click() {
    close();
}

}  // namespace kelmar
