// The window "力士の記録": one career of the record, opening on its cover (表紙:
// the facts, the achievements and a short biography), then its rank trajectory
// as a chart, its basho and its rivals. An ordinary window, not modal; it may stay
// open while a basho runs and is refreshed when one ends.
#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>

class QChartView;
class QLabel;
class QPushButton;
class QTableWidget;

namespace kelmar {

class CareerRecord;

class CareerRecordWindow : public QWidget {
    Q_OBJECT

  public:
    CareerRecordWindow(QWidget* parent, CareerRecord& record);

    // The running career, or the last one; it follows the record as careers
    // come and go.
    void ShowCurrent();
    // One career of the record.
    void ShowCareer(int64_t career);
    // Reads the record again (after a basho).
    void Refresh();
    // Draws the window again in the shown language.
    void Retranslate();

    // KCard: the card of the career shown saved as a PNG where the player
    // says; SaveCard writes it to `path` without asking, false when there is
    // no card (a career without a basho) or the file cannot be written.
    void KCardClick();
    bool SaveCard(const QString& path);

    std::optional<int64_t> career() const { return career_; }
    QWidget* Cover;
    QLabel* CoverName;
    QLabel* CoverFacts;
    QLabel* CoverAchievements;
    QLabel* CoverBiography;
    QLabel* Summary;
    QChartView* Trajectory;
    QTableWidget* BashoTable;
    QTableWidget* RivalsTable;
    QPushButton* KCard;

  private:
    void CreateCover();
    void Fill();

    CareerRecord& record_;
    int coverHeight_ = 0;  // the cover's least height but for its lines of feats
    bool followCurrent_ = true;
    std::optional<int64_t> career_;
};

}  // namespace kelmar
