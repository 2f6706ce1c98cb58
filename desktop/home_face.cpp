#include "desktop/home_face.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "desktop/game_text.h"
#include "desktop/language_choice.h"
#include "desktop/pixel_view.h"
#include "desktop/record_text.h"
#include "desktop/window_layout.h"
#include "lang/pictures.h"
#include "state/encoding.h"
#include "state/saved_game.h"
#include "state/text_file.h"

namespace kelmar {

namespace {

const QRect kClient(0, 0, 430, 324);
const QRect kTitle(0, 0, 430, 161);

QPushButton* MakeHomeButton(QWidget* parent, const char* name, QRect geometry,
                            const QString& caption, const QFont& font) {
    QPushButton* button = MakeButton(parent, QString::fromLatin1(name), geometry, caption);
    button->setFont(font);
    return button;
}

// The title picture of the shown language; a folder without it shows the
// game's name instead.
QImage TitleImage() {
    QImage title(QString::fromStdString(GameFolderPath(TitlePictureIn(ShownLanguage()))));
    if (!title.isNull() && title.size() == kTitle.size())
        return title.convertToFormat(QImage::Format_RGB32);
    QImage blank = WhiteSurface(kTitle.size());
    QPainter painter(&blank);
    painter.setFont(GothicFont(40));
    painter.drawText(blank.rect(), Qt::AlignCenter, Tr("ケルマー"));
    return blank;
}

}  // namespace

HomeFace::HomeFace(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("HomeFace"));
    setGeometry(kClient);
    setAutoFillBackground(true);
    SetBackground(this, colour::White);
    TitlePicture = new PixelView(this, QStringLiteral("TitlePicture"), kTitle);
    const QFont large = GothicFont(16);
    const QFont small = PGothicFont(12);
    NewButton = MakeHomeButton(this, "NewButton", QRect(24, 176, 150, 34), Tr("新しい力士"), large);
    ResumeButton =
        MakeHomeButton(this, "ResumeButton", QRect(24, 218, 150, 34), Tr("続きから"), large);
    SavedGameLabel = MakeLabel(this, QStringLiteral("SavedGameLabel"), QRect(24, 258, 230, 44),
                               GothicFont(12), colour::Black);
    SavedGameLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    RecordButton =
        MakeHomeButton(this, "RecordButton", QRect(276, 176, 130, 28), Tr("力士の記録"), small);
    PastButton =
        MakeHomeButton(this, "PastButton", QRect(276, 210, 130, 28), Tr("歴代の力士"), small);
    ArchiveButton =
        MakeHomeButton(this, "ArchiveButton", QRect(276, 244, 130, 28), Tr("資料館"), small);
}

void HomeFace::Retranslate() {
    NewButton->setText(Tr("新しい力士"));
    ResumeButton->setText(Tr("続きから"));
    RecordButton->setText(Tr("力士の記録"));
    PastButton->setText(Tr("歴代の力士"));
    ArchiveButton->setText(Tr("資料館"));
    Refresh();
}

void HomeFace::Refresh() {
    TitlePicture->SetPicture(TitleImage());
    const SavedGameGlance saved = GlanceAtSavedGame();
    ResumeButton->setEnabled(saved.exists);
    SavedGameLabel->setText(saved.shikona.empty()
                                ? QString()
                                : Tr("%1　%2\n%3場所まで")
                                      .arg(ShownNameOf(saved.shikona),
                                           TrIn("rank", ShiftJisToUtf8(saved.rank)),
                                           BashoName(saved.nengo, saved.month)));
}

}  // namespace kelmar
