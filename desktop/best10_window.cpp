#include "desktop/best10_window.h"

#include <QLabel>

#include "desktop/game_text.h"
#include "desktop/window_layout.h"
#include "game/game.h"

namespace kelmar {

namespace {

const QSize kClient(178, 169);
const QPoint kPlace(261, 185);
const int kFirstRow = 8;
const int kRowStep = 16;
const int kRightMargin = 9;

}  // namespace

TfrmBest10::TfrmBest10(QWidget* owner) : QDialog(owner) {
    SetUpWindow(this, QStringLiteral("frmBest10"), QStringLiteral("ベスト１０"), kClient,
                Frame::Dialog, PGothicFont(12), colour::Silver);
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

void TfrmBest10::Fill(const TopTenView& table) {
    for (int r = 0; r < kPlaces; ++r) {
        SetCaption(lblName[r], FromGame(table.names[static_cast<size_t>(r)]));
        SetCaption(lblP[r], FromGame(table.scores[static_cast<size_t>(r)]));
        lblP[r]->move(kClient.width() - kRightMargin - lblP[r]->width(), lblP[r]->y());
    }
}

}  // namespace kelmar
