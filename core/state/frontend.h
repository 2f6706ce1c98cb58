// The seam between the rules and the windows. Wherever a procedure of the game
// shows something, waits, or asks the player, it calls this interface at one
// of the game's moments and hands over the data of that moment: the main
// window turns them into its controls, the tests and the simulator play the
// player's part. The core builds these data, and refuses bad ones, before the
// moment is called, so every frontend gets the same.
//
// The data are cheap to build: numbers, slots, and views into the game's own
// strings, valid for the duration of the call.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "state/game_state.h"

namespace kelmar {

enum class Side { East, West };

inline constexpr int kBoutsADay = 16;

// The four lines of the report window: Label3 (name), Label1, Label2, Label4.
struct ReportLines {
    std::string Label3;
    std::string Label1;
    std::string Label2;
    std::string Label4;
    bool operator==(const ReportLines&) const = default;
};

// One pair of the day card: the slots and the portrait numbers of their figures.
struct CardPair {
    int32_t eastSlot = 0;
    int32_t westSlot = 0;
    int32_t eastPortrait = 0;
    int32_t westPortrait = 0;
};

// A day of bouts: lblBasyo's month and day, and the sixteen pairs, bout 1 first.
struct DayCard {
    int64_t month = 0;
    int32_t day = 0;
    std::array<CardPair, kBoutsADay> pairs{};
};

// One side of a bout as its name label shows it.
struct BoutSide {
    int32_t slot = 0;
    std::string_view rank;  // the rank word, empty for a code outside 1..5
    std::string_view name;  // the display name
    bool player = false;    // blue for the player's rikishi, black otherwise
    std::string Label() const { return std::string(rank) + std::string(name); }
};

// A bout begins: its column 1..16 (bout 1 stands rightmost) and both sides.
struct BoutStart {
    int32_t column = 0;
    BoutSide east;
    BoutSide west;
};

// The tactic window's name label and age line.
struct TacticQuestion {
    std::string_view name;
    int64_t age = 0;
};

// A bout is fought. The film is the three letters of the winner's film, or
// null when the winner's tactic has none (and then no technique picture).
struct BoutOutcome {
    int32_t column = 0;
    int32_t eastSlot = 0;
    int32_t westSlot = 0;
    Side winner = Side::East;
    int32_t winnerTactic = 0;
    int32_t eastTactic = 0;
    int32_t westTactic = 0;
    const char* film = nullptr;
    // The film was requested (AnimationRunning is 1) and is to be waited for.
    bool filmed = false;
    Side Loser() const { return winner == Side::East ? Side::West : Side::East; }
};

// One row of the banzuke chart: the cells of the picture sheet that a slot
// needs, in the order they are drawn.
struct ChartRow {
    int32_t rank = 0;      // rank code 1..5
    int32_t portrait = 0;  // a number with a name plate on the sheet
    int32_t wins = 0;      // 0..15; drawn red from 8
    int32_t losses = 0;    // 0..15
    int32_t stars = 0;     // 0..4
    bool player = false;   // the plate drawn blue
};
// Slot 1 first.
using ChartRows = std::array<ChartRow, kSlots>;

// The evening's chart. A value of the league that the sheet has no cell for
// does not stop the basho: the chart shows the refusal's message when it is
// activated, as it does a sheet it cannot read, and the player closes it and
// plays on.
struct DailyChart {
    ChartRows rows{};
    std::string refusal;  // empty: the rows are good
};

// What the main window shows around the board: which of its commands may be
// given and the captions the game sets. The commands keep it (Game::View)
// and hand it to the face whenever it changes; texts are the game's.
struct MainView {
    bool newGame = true;         // KN1 enabled
    bool save = false;           // KS1 enabled
    bool chart = false;          // KB1 enabled
    bool practiceItem = true;    // KT1 enabled
    bool practice = false;       // KT1 checked: the practice level
    bool animation = true;       // K1 checked: every bout with a film filmed
    bool panel = false;          // JuryoList and the panel's labels shown and enabled
    bool confirmShown = false;   // PlayerOkButton shown
    bool confirm = false;        // PlayerOkButton enabled
    bool next = false;           // its caption is "次へ": Enter presses it
    std::string confirmCaption;  // "Ok" or "次へ"
    bool stop = false;           // btnStop shown and enabled
    std::string stopCaption;     // "停止", or "再開" while paused
    bool scoreShown = false;     // lblMyP shown
    std::string score;           // lblMyP's caption
    bool operator==(const MainView&) const = default;
};

// The tactic window's answers besides a tactic code 1..3.
inline constexpr int32_t kNoTactic = 0;            // closed without a choice
inline constexpr int32_t kShowOpponentReport = 4;  // Button4: the report, then ask again

// The moments. For each: whether the core waits in it for the player, what
// may happen while it waits, and what it returns. A moment that waits keeps
// the core's stack (the desktop in a modal window or an event loop, the page
// under Asyncify); while it waits, only the commands named may run, and none
// of them starts a basho (Confirm and Resume are refused: a basho runs).
// Quit may come at any time: a wait that sees Game::Quitting() ends at once,
// and no window opens after it.
class Frontend {
  public:
    virtual ~Frontend() = default;

    // Whether anybody looks at the pictures. For a player who does not (the
    // simulator's), the daily chart is neither built nor shown and the bouts'
    // name labels are not told. The day card is built for everyone: its
    // figures are refused alike for every player.
    virtual bool Watched() const { return true; }

    // What the main window shows around the board has changed: the face
    // shows `view` as it stands. Does not wait.
    virtual void Show(const MainView& view) = 0;

    // The newspaper page in frmPaper. Waits until the player closes it; the
    // menu's windows (the chart, the top ten, help) may open meanwhile.
    virtual void ShowNewspaper(const std::string& page) = 0;

    // A day begins: lblBasyo shows the caption, the scoreboard the day's
    // figures (the sheet is read: PictureError), the five pictures of the day
    // are read (PictureError). Does not wait.
    virtual void DayBegins(const DayCard& card) = 0;
    // Both lamps of the bout's column lit, then both name labels set. It comes
    // before the tactic window. An unwatched player is not told. Does not wait.
    virtual void BoutBegins(const BoutStart& bout) = 0;
    // The tactic window, inside the player's bout. Waits for the answer and
    // returns it: a tactic code 1..3; kNoTactic when the window was closed
    // without one (the tactic stays as it was); kShowOpponentReport for the
    // report on today's opponent, after which the core shows it
    // (ShowOpponentReport) and asks again. While it waits, Game::
    // OpponentReport may run (re-entering ShowOpponentReport), and the
    // pause, the film's pace and the menu's windows. The core writes the
    // tactic.
    virtual int32_t AskTactic(const TacticQuestion& question) = 0;
    // The report window with the opponent report, modal over the tactic
    // window. Waits until the player closes it.
    virtual void ShowOpponentReport(const ReportLines& lines) = 0;
    // The bout is decided. A filmed bout waits while Game::FilmRuns(): the
    // face's timer calls Game::Tick, and the pause may be toggled. Then the
    // technique picture of a win with a film is drawn and the loser's lamp
    // put out.
    virtual void BoutFought(const BoutOutcome& outcome) = 0;
    // The day is paused: waits while Game::PauseHolds(); the pause button
    // (Game::TogglePause) or Quit ends it.
    virtual void Paused() = 0;
    // The day's sixteen bouts are done: both name labels emptied, the five
    // pictures released. Does not wait.
    virtual void DayEnds() = 0;
    // The banzuke chart frmStage, shown modally until the player closes it;
    // then the main window is repainted. Only for a frontend that is
    // watched. Waits as the newspaper does.
    virtual void ShowDailyChart(const DailyChart& chart) = 0;
    // The end of a basho: the career score is known (the main view shows it).
    // Does not wait.
    virtual void BashoEnds(int32_t score) = 0;

    // The report window with the career report of the retired player. Waits
    // until the player closes it.
    virtual void ShowCareerReport(const ReportLines& lines) = 0;
    // The text-input dialog. Waits and returns the name typed (the face's
    // text converted to the game's), or nullopt when the player cancels; the
    // core enters the name, or "Unknown".
    virtual std::optional<std::string> AskName(std::string_view caption, std::string_view prompt,
                                               std::string_view preset) = 0;
    // A career has ended and its score has entered the top-ten table (or not).
    // The game writes the table to "Rank.txt" (SaveTopTen); a scripted run may
    // keep its disk untouched. Does not wait.
    virtual void CareerEnds(const GameState& state);
};

// A Frontend that hands every moment on to another one; a frontend that
// adds to some moments (the record, the commands' view) overrides just those.
class ForwardingFrontend : public Frontend {
  public:
    explicit ForwardingFrontend(Frontend& inner) : inner_(inner) {}

    bool Watched() const override { return inner_.Watched(); }
    void Show(const MainView& view) override { inner_.Show(view); }
    void ShowNewspaper(const std::string& page) override { inner_.ShowNewspaper(page); }
    void DayBegins(const DayCard& card) override { inner_.DayBegins(card); }
    void BoutBegins(const BoutStart& bout) override { inner_.BoutBegins(bout); }
    int32_t AskTactic(const TacticQuestion& question) override {
        return inner_.AskTactic(question);
    }
    void ShowOpponentReport(const ReportLines& lines) override { inner_.ShowOpponentReport(lines); }
    void BoutFought(const BoutOutcome& outcome) override { inner_.BoutFought(outcome); }
    void Paused() override { inner_.Paused(); }
    void DayEnds() override { inner_.DayEnds(); }
    void ShowDailyChart(const DailyChart& chart) override { inner_.ShowDailyChart(chart); }
    void BashoEnds(int32_t score) override { inner_.BashoEnds(score); }
    void ShowCareerReport(const ReportLines& lines) override { inner_.ShowCareerReport(lines); }
    std::optional<std::string> AskName(std::string_view caption, std::string_view prompt,
                                       std::string_view preset) override {
        return inner_.AskName(caption, prompt, preset);
    }
    void CareerEnds(const GameState& state) override { inner_.CareerEnds(state); }

  protected:
    Frontend& inner() { return inner_; }

  private:
    Frontend& inner_;
};

// A Frontend without windows, for runs of the rules alone (the simulator, the
// fuzzers, the tests): it shows nothing and waits for nothing, the tactic
// window and the name dialog are closed without an answer, no film is run and
// nothing is written to disk. A headless player overrides what he does.
class HeadlessFrontend : public Frontend {
  public:
    void ShowNewspaper(const std::string&) override {}
    void DayBegins(const DayCard&) override {}
    void BoutBegins(const BoutStart&) override {}
    void Show(const MainView&) override {}
    int32_t AskTactic(const TacticQuestion&) override { return kNoTactic; }
    void ShowOpponentReport(const ReportLines&) override {}
    void BoutFought(const BoutOutcome&) override {}
    void Paused() override {}
    void DayEnds() override {}
    void ShowDailyChart(const DailyChart&) override {}
    void BashoEnds(int32_t) override {}
    void ShowCareerReport(const ReportLines&) override {}
    std::optional<std::string> AskName(std::string_view, std::string_view,
                                       std::string_view) override {
        return std::nullopt;
    }
    void CareerEnds(const GameState&) override {}
};

}  // namespace kelmar
