// The window "資料館": every achievement of the record, how many careers earned
// it and the first career that did, with its shikona and the basho. One that
// nobody has earned yet keeps its secret. An ordinary window, not modal,
// refreshed when a basho ends, like the record's other windows.
#pragma once

#include <QWidget>

class QLabel;
class QTableWidget;

namespace kelmar {

class CareerRecord;

class ArchiveWindow : public QWidget {
    Q_OBJECT

  public:
    ArchiveWindow(QWidget* parent, CareerRecord& record);

    // Reads the record again.
    void Refresh();
    // Draws the window again in the shown language.
    void Retranslate();

    QLabel* Tally;
    QTableWidget* AchievementsTable;

  private:
    CareerRecord& record_;
};

}  // namespace kelmar
