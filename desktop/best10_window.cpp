#include "desktop/best10_window.h"

#include <QLabel>

#include "desktop/language_choice.h"
#include "desktop/window_layout.h"
#include "game/game.h"
#include "game/views_in_language.h"

namespace kelmar {

namespace {

const QSize kClient(178, 169);
const QPoint kPlace(261, 185);
const int kFirstRow = 8;
const int kRowStep = 16;
const int kRightMargin = 9;

}  // namespace

TfrmBest10::TfrmBest10(QWidget* owner) : QDialog(owner) {
    SetUpWindow(this, QStringLiteral("frmBest10"), Tr("ベスト１０"), kClient, Frame::Dialog,
                PGothicFont(12), colour::Silver);
    for (int r = 0; r < kPlaces; ++r) {
        const int top = kFirstRow + kRowStep * r;
        lblName[r] = MakeLabel(this, QStringLiteral("lblName%1").arg(r + 1), QRect(8, top, 0, 0),
                               PGothicFont(12), colour::Black);
        lblP[r] = MakeLabel(this, QStringLiteral("lblP%1").arg(r + 1), QRect(0, top, 0, 0),
                            PGothicFont(12), colour::Black);
        lblP[r]->setAlignment(Qt::AlignRight | Qt::AlignTop);
    }
    move(kPlace);
}

void TfrmBest10::Retranslate() {
    setWindowTitle(Tr("ベスト１０"));
    Fill(shown_);
}

void TfrmBest10::Fill(const TopTenView& view) {
    shown_ = view;
    const TopTenView table = TopTenViewIn(ShownLanguage(), view);
    for (int r = 0; r < kPlaces; ++r) {
        SetCaption(lblName[r], QString::fromStdString(table.names[static_cast<size_t>(r)]));
        SetCaption(lblP[r], QString::fromStdString(table.scores[static_cast<size_t>(r)]));
        lblP[r]->move(kClient.width() - kRightMargin - lblP[r]->width(), lblP[r]->y());
    }
}

}  // namespace kelmar
