// A Frontend that plays the player's part from a script and keeps a record of
// every moment, so that whole careers run headless and a test can check what
// the rules showed and in which order.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "state/frontend.h"
#include "state/game_state.h"

namespace kelmar::testing {

class ScriptedFrontend : public Frontend {
  public:
    // The player switches the films of other bouts off; a test may switch
    // them on in the state.
    explicit ScriptedFrontend(GameState& state) : state_(state) { state.AnimationSwitch = false; }

    // The record: one entry per moment, its name and the gist of its data.
    std::vector<std::string> calls;
    std::vector<std::string> pages;
    std::vector<ReportLines> careerReports;
    std::vector<ReportLines> opponentReports;
    int filmed = 0;         // bouts whose film was run
    ChartRows lastChart{};  // the rows of the last daily chart

    // The tactic the player presses; nullopt closes the window without one.
    std::optional<int> tactic = 1;
    bool openReport = false;  // press "対戦者の情報" first
    std::optional<std::string> name = std::string("Unknown");
    bool writeTopTen = true;
    // Called on every film tick with the tick's number in the film (1..).
    std::function<void(int)> onFilmTick;
    // Called when the day waits while paused; must end the pause or quit.
    std::function<void()> onPause;

    int Count(const std::string& prefix) const;

    void Show(const MainView&) override {}
    void ShowNewspaper(const std::string& page) override;
    void DayBegins(const DayCard& card) override;
    void BoutBegins(const BoutStart& bout) override;
    int32_t AskTactic(const TacticQuestion& question) override;
    void ShowOpponentReport(const ReportLines& lines) override;
    void BoutFought(const BoutOutcome& outcome) override;
    void Paused() override;
    void DayEnds() override { calls.push_back("DayEnds"); }
    void ShowDailyChart(const DailyChart& chart) override;
    void BashoEnds(int32_t score) override;
    void ShowCareerReport(const ReportLines& lines) override;
    std::optional<std::string> AskName(std::string_view caption, std::string_view prompt,
                                       std::string_view preset) override;
    void CareerEnds(const GameState& state) override;

  private:
    GameState& state_;
};

}  // namespace kelmar::testing
