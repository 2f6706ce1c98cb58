#include "desktop/strategy_window.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "desktop/button_keys.h"
#include "desktop/error_guard.h"
#include "desktop/language_choice.h"
#include "desktop/window_layout.h"
#include "game/game.h"

namespace kelmar {

namespace {
const QSize kOuter(274, 149);
const int kNameWidth = 48;
}  // namespace

TfrmStrategy::TfrmStrategy(QWidget* owner, Game& game) : QDialog(owner), game_(game) {
    SetUpWindow(this, QStringLiteral("frmStrategy"), Tr("戦術"), ClientSize(kOuter, Frame::Dialog),
                Frame::Dialog, PGothicFont(12), QColor());
    lblNameOfwres = MakeLabel(this, QStringLiteral("lblNameOfwres"), QRect(8, 16, 0, 0),
                              GothicFont(16), colour::Blue);
    SetBackground(lblNameOfwres, colour::Silver);
    Label2 = MakeLabel(this, QStringLiteral("Label2"), QRect(72, 16, 192, 16), GothicFont(16),
                       colour::Black);
    Label2->setText(Tr("の戦術を選んでください。"));
    Button1 = MakeButton(this, QStringLiteral("Button1"), QRect(32, 48, 57, 25), Tr("突き放し"));
    Button2 = MakeButton(this, QStringLiteral("Button2"), QRect(104, 48, 65, 25), Tr("立会い変化"));
    Button3 = MakeButton(this, QStringLiteral("Button3"), QRect(184, 48, 65, 25), Tr("四つに組む"));
    Button4 =
        MakeButton(this, QStringLiteral("Button4"), QRect(168, 88, 81, 25), Tr("対戦者の情報"));
    lblAge = MakeLabel(this, QStringLiteral("lblAge"), QRect(32, 96, 0, 0), GothicFont(16),
                       colour::Blue);
    connect(Button1, &QPushButton::clicked, this, [this] { ChooseTactic(1); });
    connect(Button2, &QPushButton::clicked, this, [this] { ChooseTactic(2); });
    connect(Button3, &QPushButton::clicked, this, [this] { ChooseTactic(3); });
    connect(Button4, &QPushButton::clicked, this,
            [this] { Guarded(this, [this] { Button4Click(); }); });
    // The keys 1 to 4 press the buttons in their order; a tooltip tells which.
    int digit = 0;
    for (QPushButton* button : {Button1, Button2, Button3, Button4}) {
        const QString key = QString::number(++digit);
        PressWithKey(button, QKeySequence(key));
        button->setToolTip(Tr("キー ") + key);
    }
    Present(QString(), QString());
    FormCreate();
}

void TfrmStrategy::Retranslate() {
    setWindowTitle(Tr("戦術"));
    Label2->setText(Tr("の戦術を選んでください。"));
    Button1->setText(Tr("突き放し"));
    Button2->setText(Tr("立会い変化"));
    Button3->setText(Tr("四つに組む"));
    Button4->setText(Tr("対戦者の情報"));
    int digit = 0;
    for (QPushButton* button : {Button1, Button2, Button3, Button4})
        button->setToolTip(Tr("キー ") + QString::number(++digit));
}

void TfrmStrategy::Present(const QString& displayName, const QString& ageLine) {
    // The name label is 48 pixels wide, three kanji; a longer name widens it
    // rather than being cut.
    SetCaption(lblNameOfwres, displayName);
    lblNameOfwres->resize(std::max(kNameWidth, lblNameOfwres->width()), 16);
    SetCaption(lblAge, ageLine);
    // Another language writes the question after the name: it follows the
    // name label, and the window grows when the line is longer than its room.
    if (ShownLanguage() != Language::Japanese) {
        Label2->move(lblNameOfwres->x() + lblNameOfwres->width(), Label2->y());
        Label2->resize(Label2->sizeHint().width(), Label2->height());
        const int needed = Label2->x() + Label2->width() + 8;
        if (needed > width())
            resize(needed, height());
    }
    answer_ = kNoTactic;
}

void TfrmStrategy::FormCreate() {
    move(CentredPosition(PrimaryScreenSize(), kOuter));
}

void TfrmStrategy::Button4Click() {
    game_.OpponentReport();
    // Back to the keys of this window, also where no window manager hands
    // the focus back from the closed report.
    activateWindow();
}

void TfrmStrategy::ChooseTactic(int code) {
    answer_ = code;
    close();
}

}  // namespace kelmar
