// The seam between the rules and the windows. Wherever a procedure of the game
// shows something, waits, or asks the player, it calls this interface: the
// main window implements it with the real windows, the tests and the
// simulator with a script. The procedures call it exactly at the moments the
// game's rules name, in their order.
#pragma once

#include <optional>
#include <string>

namespace kelmar {

struct GameState;

enum class Side { East, West };

// The four lines of the report window: Label3 (name), Label1, Label2, Label4.
struct ReportLines {
    std::string Label3;
    std::string Label1;
    std::string Label2;
    std::string Label4;
    bool operator==(const ReportLines&) const = default;
};

// The text and colour of a name label under the scoreboard.
struct BoutLabel {
    std::string text;     // rank word and display name
    bool player = false;  // blue for the player's rikishi, black otherwise
    bool operator==(const BoutLabel&) const = default;
};

class Frontend {
  public:
    virtual ~Frontend() = default;

    // The newspaper page in frmPaper, shown modally.
    virtual void ShowNewspaper(const std::string& page) = 0;

    // The tactic window, shown modally inside the player's bout. Its buttons
    // set SelectedTactic; closing it without one leaves SelectedTactic alone.
    // The name label and the age line are given.
    virtual void ShowTacticWindow(const std::string& displayName, const std::string& ageLine) = 0;
    // The report window with the opponent report, modal over the tactic window.
    virtual void ShowOpponentReport(const ReportLines& lines) = 0;
    // The report window with the career report of the retired player.
    virtual void ShowCareerReport(const ReportLines& lines) = 0;
    // The text-input dialog; nullopt when the player cancels.
    virtual std::optional<std::string> AskName(const std::string& caption,
                                               const std::string& prompt,
                                               const std::string& preset) = 0;

    // lblBasyo: the month and day of the basho.
    virtual void SetDayCaption(const std::string& caption) = 0;
    // The day's 32 figures painted into the scoreboard (may raise PictureError).
    virtual void DrawBoutCard() = 0;
    // A day of bouts begins: the five pictures are read (may raise
    // PictureError), btnStop is shown and enabled, KN1 and KT1 are disabled.
    virtual void DayStarted() = 0;
    // Both lamps of bout i's column lit.
    virtual void LightLamps(int bout) = 0;
    virtual void SetBoutNames(const BoutLabel& east, const BoutLabel& west) = 0;
    // The check mark of the animation switch K1, read afresh for every bout.
    virtual bool AnimationSwitchOn() = 0;
    // The film was requested (AnimationRunning is 1): process window
    // messages until AnimationRunning is 0.
    virtual void WaitForFilm() = 0;
    // The technique picture of a win with this tactic code (1..3) in bout i's column.
    virtual void DrawTechnique(int bout, int tactic) = 0;
    // The loser's lamp of bout i put out.
    virtual void PutOutLamp(int bout, Side loser) = 0;
    // Paused is 1: process window messages until it is 0 or QuitRequested is 1.
    virtual void WaitWhilePaused() = 0;
    // The day's sixteen bouts are done: btnStop hidden and disabled, KN1 and
    // KT1 enabled, both name labels emptied, the five pictures released.
    virtual void DayEnded() = 0;
    // The banzuke chart frmStage, shown modally until the player closes it;
    // then the main window is repainted.
    virtual void ShowDailyChart() = 0;

    // lblMyP's caption.
    virtual void SetScore(const std::string& caption) = 0;
    // lblMyP made visible.
    virtual void ShowScore() = 0;
    // The end of a basho: PlayerOkButton shown and enabled, KB1 and KS1 enabled.
    virtual void BashoEnded() = 0;

    // A saved game is resumed: PlayerOkButton hidden.
    virtual void HideNextButton() = 0;
    // The check mark of the practice level KT1.
    virtual void SetPracticeCheck(bool on) = 0;

    // The top-ten table is written to "Rank.txt" at the end of a career. The
    // game writes it (SaveTopTen); a scripted run may keep its disk untouched.
    virtual void WriteTopTen(const GameState& state);
};

// A Frontend without windows, for runs of the rules alone (the simulator, the
// fuzzers, the tests): it shows nothing and waits for nothing, the tactic
// window and the name dialog are closed without an answer, no bout is filmed
// and nothing is written to disk. A headless player overrides what he does.
class HeadlessFrontend : public Frontend {
  public:
    void ShowNewspaper(const std::string&) override {}
    void ShowTacticWindow(const std::string&, const std::string&) override {}
    void ShowOpponentReport(const ReportLines&) override {}
    void ShowCareerReport(const ReportLines&) override {}
    std::optional<std::string> AskName(const std::string&, const std::string&,
                                       const std::string&) override {
        return std::nullopt;
    }
    void SetDayCaption(const std::string&) override {}
    void DrawBoutCard() override {}
    void DayStarted() override {}
    void LightLamps(int) override {}
    void SetBoutNames(const BoutLabel&, const BoutLabel&) override {}
    bool AnimationSwitchOn() override { return false; }
    void WaitForFilm() override {}
    void DrawTechnique(int, int) override {}
    void PutOutLamp(int, Side) override {}
    void WaitWhilePaused() override {}
    void DayEnded() override {}
    void ShowDailyChart() override {}
    void SetScore(const std::string&) override {}
    void ShowScore() override {}
    void BashoEnded() override {}
    void HideNextButton() override {}
    void SetPracticeCheck(bool) override {}
    void WriteTopTen(const GameState&) override {}
};

}  // namespace kelmar
