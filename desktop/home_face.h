// The home of the main window: what it shows before a career starts and again
// when one has ended. The title picture over the ways in: a new rikishi, the
// saved game with its rikishi's name, rank and basho, and the record's
// windows. It lies over the board and makes way for it when a career starts.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace kelmar {

class PixelView;

class HomeFace : public QWidget {
    Q_OBJECT

  public:
    // Its texts drawn again in the shown language.
    void Retranslate();
    explicit HomeFace(QWidget* parent);

    // Reads the title picture and takes a glance at the saved game again.
    void Refresh();

    PixelView* TitlePicture;
    QPushButton* NewButton;
    QPushButton* ResumeButton;
    QLabel* SavedGameLabel;
    QPushButton* RecordButton;
    QPushButton* PastButton;
    QPushButton* ArchiveButton;
};

}  // namespace kelmar
