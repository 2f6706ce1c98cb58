// The window "歴代の力士": every career of the record, sortable by score, best
// rank, number of basho and championships. Opening one shows its "力士の記録".
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

class QPushButton;
class QTableWidget;

namespace kelmar {

class CareerRecord;

class PastCareersWindow : public QWidget {
    Q_OBJECT

  public:
    using OpenCareer = std::function<void(int64_t career)>;
    PastCareersWindow(QWidget* parent, CareerRecord& record, OpenCareer open);

    // Reads the record again.
    void Refresh();
    // Draws the window again in the shown language.
    void Retranslate();
    // The career of a row as the table is sorted now.
    int64_t CareerAt(int row) const;

    QTableWidget* CareersTable;
    QPushButton* OpenButton;

  private:
    void OpenSelected();

    CareerRecord& record_;
    OpenCareer open_;
};

}  // namespace kelmar
