// A Frontend that plays the player's part from a script and keeps a record of
// every call, so that whole careers run headless and a test can check what the
// rules showed and in which order. The bout card and the daily chart read the
// values the windows draw, with the same refusals (all but the sheet's size).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "basho/frontend.h"
#include "state/game_state.h"

namespace kelmar::testing {

class ScriptedFrontend : public Frontend {
  public:
    explicit ScriptedFrontend(GameState& state) : state_(state) {}

    // The record: one entry per call, its name and its arguments.
    std::vector<std::string> calls;
    std::vector<std::string> pages;
    std::vector<ReportLines> careerReports;
    std::vector<ReportLines> opponentReports;

    // The tactic the player presses; nullopt closes the window without one.
    std::optional<int> tactic = 1;
    bool openReport = false;  // press "対戦者の情報" first
    std::optional<std::string> name = std::string("Unknown");
    bool animationSwitch = false;
    bool writeTopTen = true;
    // Called on every film tick with the tick's number in the film (1..).
    std::function<void(int)> onFilmTick;
    // Called when the day waits while paused; must end the pause or quit.
    std::function<void()> onPause;

    int Count(const std::string& prefix) const;

    void ShowNewspaper(const std::string& page) override;
    void ShowTacticWindow(const std::string& displayName, const std::string& ageLine) override;
    void ShowOpponentReport(const ReportLines& lines) override;
    void ShowCareerReport(const ReportLines& lines) override;
    std::optional<std::string> AskName(const std::string& caption, const std::string& prompt,
                                       const std::string& preset) override;
    void SetDayCaption(const std::string& caption) override;
    void DrawBoutCard() override;
    void DayStarted() override;
    void LightLamps(int bout) override;
    void SetBoutNames(const BoutLabel& east, const BoutLabel& west) override;
    bool AnimationSwitchOn() override;
    void WaitForFilm() override;
    void DrawTechnique(int bout, int tactic) override;
    void PutOutLamp(int bout, Side loser) override;
    void WaitWhilePaused() override;
    void DayEnded() override;
    void ShowDailyChart() override;
    void SetScore(const std::string& caption) override;
    void ShowScore() override;
    void BashoEnded() override;
    void HideNextButton() override;
    void SetPracticeCheck(bool on) override;
    void WriteTopTen(const GameState& state) override;

  private:
    GameState& state_;
};

}  // namespace kelmar::testing
