// The new-career panel of the main window and its three handlers: New game,
// the pick of a juryo name, and the confirm button that runs every basho.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "desktop/bout_card_drawing.h"
#include "desktop/game_text.h"
#include "desktop/language_choice.h"
#include "desktop/main_window.h"
#include "desktop/pixel_view.h"
#include "desktop/stage_window.h"
#include "desktop/window_layout.h"
#include "game/views_in_language.h"
#include "state/encoding.h"

namespace kelmar {

namespace {

QLabel* MakeFigureLabel(QWidget* parent, const char* name, QRect geometry, const QColor& back) {
    QLabel* label =
        MakeLabel(parent, QString::fromLatin1(name), geometry, GothicFont(16), colour::White);
    label->setAlignment(Qt::AlignCenter);
    SetBackground(label, back);
    return label;
}

QLabel* MakeCaptionLabel(QWidget* parent, const char* name, QRect geometry) {
    QLabel* label =
        MakeLabel(parent, QString::fromLatin1(name), geometry, GothicFont(16), colour::Black);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    SetBackground(label, colour::White);
    return label;
}

// The list's and the name label's designed widths, which the Japanese names
// fit; the readings of another language may need more.
const int kListWidth = 97;
const int kNameWidth = 121;

void SetFigure(QLabel* label, int32_t value) {
    label->setText(QString::number(value));
}

}  // namespace

void TfrmKelmar::CreateNewCareerPanel() {
    QWidget* client = centralWidget();
    JuryoList = new QListWidget(client);
    JuryoList->setObjectName(QStringLiteral("JuryoList"));
    JuryoList->setGeometry(128, 24, kListWidth, 81);
    JuryoList->setFont(GothicFont(16));
    JuryoList->setUniformItemSizes(true);
    JuryoList->setStyleSheet(QStringLiteral(
        "QListWidget { background: #c0c0c0; color: black; } QListWidget::item { height: 16px; }"));
    NameLabel = MakeLabel(client, QStringLiteral("NameLabel"), QRect(104, 112, kNameWidth, 16),
                          GothicFont(16), colour::Black);
    SetBackground(NameLabel, colour::Silver);
    AgeLabel = MakeCaptionLabel(client, "AgeLabel", QRect(88, 176, 81, 17));
    PLabel = MakeCaptionLabel(client, "PLabel", QRect(88, 200, 81, 17));
    SLabel = MakeCaptionLabel(client, "SLabel", QRect(88, 224, 81, 17));
    WLabel = MakeCaptionLabel(client, "WLabel", QRect(88, 248, 81, 17));
    AgeLabel->setText(Tr("年齢："));
    PLabel->setText(Tr("パワー："));
    SLabel->setText(Tr("スピード："));
    WLabel->setText(Tr("技能："));
    AgeLabel1 = MakeFigureLabel(client, "AgeLabel1", QRect(184, 176, 41, 16), colour::Maroon);
    PLabel1 = MakeFigureLabel(client, "PLabel1", QRect(184, 200, 40, 17), colour::Green);
    SLabel1 = MakeFigureLabel(client, "SLabel1", QRect(184, 224, 41, 17), colour::Navy);
    WLabel1 = MakeFigureLabel(client, "WLabel1", QRect(184, 248, 41, 17), colour::Purple);
    PlayerOkButton = MakeButton(client, QStringLiteral("PlayerOkButton"), QRect(184, 272, 49, 33),
                                QStringLiteral("Ok"));
    // The blank panel's label, as New game shows it.
    pick_.name = Utf8ToShiftJis("しこな：");
    NameLabel->setText(QString::fromStdString(PickNameIn(ShownLanguage(), pick_)));
    for (QLabel* figure : {AgeLabel1, PLabel1, SLabel1, WLabel1})
        figure->setText(QStringLiteral("0"));
}

std::array<QWidget*, 10> TfrmKelmar::PanelControls() const {
    return {JuryoList, NameLabel, AgeLabel, PLabel,  SLabel,
            WLabel,    AgeLabel1, PLabel1,  SLabel1, WLabel1};
}

void TfrmKelmar::FitPanel() {
    int list = kListWidth;
    int name = kNameWidth;
    if (ShownLanguage() != Language::Japanese) {
        const QFontMetrics metrics(JuryoList->font());
        const int room =
            JuryoList->frameWidth() * 2 + JuryoList->verticalScrollBar()->sizeHint().width() + 4;
        for (int row = 0; row < JuryoList->count(); ++row)
            list = std::max(list, metrics.horizontalAdvance(JuryoList->item(row)->text()) + room);
        name = std::max(name, NameLabel->sizeHint().width());
    }
    JuryoList->resize(list, JuryoList->height());
    NameLabel->setFixedWidth(name);
}

void TfrmKelmar::ShowPick(const PickView& pick) {
    pick_ = pick;
    NameLabel->setText(QString::fromStdString(PickNameIn(ShownLanguage(), pick)));
    FitPanel();
    AgeLabel1->setText(FromGame(pick.age));
    SetFigure(PLabel1, pick.power);
    SetFigure(SLabel1, pick.speed);
    SetFigure(WLabel1, pick.skill);
}

void TfrmKelmar::KN1Click() {
    HideHome();
    ClearBoard(Image2->Surface());
    Image2->Changed();
    const NewGameView shown = game_->NewGame();
    {
        // Refilling the list is no pick.
        const QSignalBlocker quiet(JuryoList);
        JuryoList->clear();
        juryoNames_ = shown.names;
        for (const std::string& name : shown.names) JuryoList->addItem(ShownNameOf(name));
    }
    ShowPick(shown.blank);
    repaint();
}

void TfrmKelmar::JuryoListClick() {
    // A change that leaves no entry selected picks nothing.
    const int row = JuryoList->currentRow();
    if (row < 0 || JuryoList->selectedItems().isEmpty())
        return;
    if (const std::optional<PickView> pick = game_->Pick(row + 1))
        ShowPick(*pick);
}

void TfrmKelmar::PlayerOkButtonClick() {
    // The chart opened from the menu closes with its menu item: drawn while the
    // basho sets itself up, it would show records that are half new.
    frmStage->hide();
    PlayBasho(&Game::Confirm);
}

}  // namespace kelmar
