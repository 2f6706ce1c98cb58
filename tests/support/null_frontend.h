// A Frontend that shows nothing, waits for nothing and answers nothing: the
// rules alone, as the benchmarks and the allocation test run them. The tactic
// window is closed without a choice, the name dialog cancelled, no film shown.
#pragma once

#include <optional>
#include <string>

#include "basho/frontend.h"

namespace kelmar::testing {

struct NullFrontend : Frontend {
    int newspapers = 0;  // how many pages were handed over
    int careerReports = 0;

    void ShowNewspaper(const std::string&) override { ++newspapers; }
    void ShowTacticWindow(const std::string&, const std::string&) override {}
    void ShowOpponentReport(const ReportLines&) override {}
    void ShowCareerReport(const ReportLines&) override { ++careerReports; }
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

}  // namespace kelmar::testing
