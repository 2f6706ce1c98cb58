// frmKelmar, the main window: the scoreboard, the bout film, the name labels,
// the new-career panel and the menu. It creates the six other windows and is
// the game's Frontend: a basho runs inside one of its handlers and shows itself
// through these windows.
#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "game/game.h"
#include "lang/language.h"
#include "state/frontend.h"

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;
class QTimer;

namespace kelmar {

class ArchiveWindow;
class CareerRecord;
class CareerRecordWindow;
class Clock;
class DayPictures;
class HomeFace;
class PastCareersWindow;
class PixelView;
class TAboutForm;
class TfrmBest10;
class TfrmPaper;
class TfrmReport;
class TfrmStage;
class TfrmStrategy;
class THelpWindow;
struct GameState;

struct MainWindowOptions {
    // Timer1's interval at the standard film pace. The game ticks every
    // 300 ms; tests tick faster.
    int timerIntervalMs = 300;
    // The language the windows are drawn in at start; without one, the
    // player's kept choice or else the environment's.
    std::optional<Language> language;
};

// Every handler gives one command of the game (Game) and shows what it hands
// back; what the window shows around the board is the game's MainView.
class TfrmKelmar : public QMainWindow, public Frontend {
    Q_OBJECT

  public:
    TfrmKelmar(GameState& state, Clock& clock, MainWindowOptions options = {});
    ~TfrmKelmar() override;

    // The game the window's commands are given to.
    const Game& game() const { return *game_; }

    // Draws every open window again in `language`, between two moments of
    // the game, and keeps the choice when `keep`.
    void SetLanguage(Language language, bool keep = true);

    // The other windows, created right after this one, in this order.
    TAboutForm* AboutForm = nullptr;
    TfrmStage* frmStage = nullptr;
    TfrmStrategy* frmStrategy = nullptr;
    TfrmReport* frmReport = nullptr;
    TfrmPaper* frmPaper = nullptr;
    TfrmBest10* frmBest10 = nullptr;
    THelpWindow* HelpWindow = nullptr;  // made at the first KP1Click
    // The career record's windows, made when first opened.
    CareerRecordWindow* frmCareerRecord = nullptr;
    PastCareersWindow* frmPastCareers = nullptr;
    ArchiveWindow* frmArchive = nullptr;

    // The home, over the board until a career starts and again when one ends.
    HomeFace* Home = nullptr;

    PixelView* Image2;
    PixelView* Image1;
    QLabel* lblWest;
    QLabel* lblEast;
    QLabel* lblMyP;
    QLabel* lblBasyo;
    QPushButton* btnStop;
    QTimer* Timer1;

    // The new-career panel.
    QListWidget* JuryoList;
    QLabel* NameLabel;
    QLabel* AgeLabel;
    QLabel* PLabel;
    QLabel* SLabel;
    QLabel* WLabel;
    QLabel* AgeLabel1;
    QLabel* PLabel1;
    QLabel* SLabel1;
    QLabel* WLabel1;
    QPushButton* PlayerOkButton;

    QMenu* File1;
    QAction* KN1;
    QAction* KS1;
    QAction* KO2;
    QAction* KQ1;
    QAction* KB1;
    QAction* KT2;
    QMenu* KR1;
    QAction* KC1;
    QAction* KH2;
    QAction* KA2;
    QMenu* KO1;
    QAction* KT1;
    QAction* K1;
    // The film's pace, an option beside the game: 標準, 速い, とても速い.
    QMenu* FilmPaceMenu;
    std::array<QAction*, 3> FilmPaceItems;
    // The language of the windows, each in its own name: 日本語, English.
    QMenu* LanguageMenu;
    std::vector<QAction*> LanguageItems;
    QMenu* KH1;
    QAction* KP1;
    QAction* KA1;

    // Frontend
    void ShowNewspaper(const std::string& page) override;
    void DayBegins(const DayCard& card) override;
    void BoutBegins(const BoutStart& bout) override;
    void Show(const MainView& view) override;
    int32_t AskTactic(const TacticQuestion& question) override;
    void ShowOpponentReport(const ReportLines& lines) override;
    void BoutFought(const BoutOutcome& outcome) override;
    void Paused() override;
    void DayEnds() override;
    void ShowDailyChart(const DailyChart& chart) override;
    void BashoEnds(int32_t score) override;
    void ShowCareerReport(const ReportLines& lines) override;
    std::optional<std::string> AskName(std::string_view caption, std::string_view prompt,
                                       std::string_view preset) override;
    void CareerEnds(const GameState& state) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateControls();
    void CreateNewCareerPanel();
    void CreateMenu();
    void ConnectHandlers();
    void CreateOtherWindows();
    void FormCreate();
    // Every text of the main window and the open windows in the shown language.
    void Retranslate();
    void ShowBoutLabels();

    // Menu commands.
    void KN1Click();
    void KS1Click();
    void KO2Click();
    void KQ1Click();
    void KB1Click();
    void KT2Click();
    void KT1Click();
    void K1Click();
    void FilmPaceClick(FilmPace pace);
    void ApplyFilmPace(FilmPace pace);
    void KP1Click();
    void KA1Click();
    void KC1Click();
    void KH2Click();
    void KA2Click();

    // The new-career panel. The controls the panel's view shows and enables
    // (PlayerOkButton apart); the pick's name and figures.
    void JuryoListClick();
    void PlayerOkButtonClick();
    std::array<QWidget*, 10> PanelControls() const;
    void ShowPick(const PickView& pick);
    // The list and the name label wide enough for the names shown.
    void FitPanel();

    // The film and the pause.
    void Timer1Timer();
    void btnStopClick();

    // The home (desktop/main_window_home.cpp): made over the board, shown at
    // start-up and when a career has ended, hidden when one starts.
    void CreateHome();
    void ShowHome();
    void HideHome();
    // A command that may run a basho (the confirm, the resume). The log tells
    // when its basho begins; what follows one that began, also when it
    // fails: the record's windows read again, and the home back when the
    // career has ended.
    void PlayBasho(void (Game::*command)());
    void BashoBegins();
    void BashoReturned();

    // A modal window of the basho; none opens once quit was chosen.
    void ShowModal(QDialog* window);

    // The career record "Kelmar.db" (desktop/main_window_record.cpp), the
    // commands' log: what the commands tell it, and the Frontend a basho runs
    // through, which feeds the record and shows itself through this window.
    class Log;
    void CreateRecord(const GameState& state);
    void CreateRecordMenu(QMenuBar* bar);
    void RefreshRecordWindows();

    // Read for the names and the reports shown in another language; never written.
    const GameState& state_;
    // What the main window shows in words, kept to be drawn again in another
    // language: the day's caption, the bout's sides and the pick.
    std::optional<DayCard> day_;
    std::optional<BoutStart> bout_;
    PickView pick_;
    std::vector<std::string> juryoNames_;
    int standardTickMs_;
    std::unique_ptr<CareerRecord> record_;
    std::unique_ptr<CareerLog> log_;
    std::unique_ptr<Game> game_;
    // The lamps and technique pictures, held from DayBegins to DayEnds.
    std::unique_ptr<DayPictures> dayPictures_;
    // Whether the juryo list's selection changed in the current mouse press,
    // so that the click that ends it is not a second pick.
    bool selectionChangedInPress_ = false;
    // Set when a basho begins, and when a career ends, inside a command.
    bool bashoBegan_ = false;
    bool careerEnded_ = false;
    std::optional<int64_t> retiredBefore_;
};

}  // namespace kelmar
