// A Frontend for the fuzzers: no windows and no waiting. The player presses
// the three tactics in turn and closes the window every fourth time; a film
// runs its ticks at once; nothing is written to disk.
#pragma once

#include "banzuke/procedures.h"
#include "basho/frontend.h"
#include "basho/procedures.h"
#include "state/game_state.h"

namespace kelmar::fuzzing {

class SilentFrontend : public Frontend {
public:
    explicit SilentFrontend(GameState& state) : state_(state) {}

    int bashoEnded = 0;
    int careerReports = 0;

    void ShowNewspaper(const std::string&) override {}
    void ShowTacticWindow(const std::string&, const std::string&) override {
        if (++presses % 4 != 0) state_.SelectedTactic = presses % 4;
    }
    void ShowOpponentReport(const ReportLines&) override {}
    void ShowCareerReport(const ReportLines&) override { ++careerReports; }
    std::optional<std::string> AskName(const std::string&, const std::string&,
                                       const std::string&) override {
        return std::nullopt;
    }
    void SetDayCaption(const std::string&) override {}
    // The card and the chart read what the windows draw, with their refusals.
    void DrawBoutCard() override {
        for (int pair = 1; pair <= 16; ++pair) DayCardFigures(state_, state_.Torikumiday, pair);
    }
    void DayStarted() override {}
    void LightLamps(int) override {}
    void SetBoutNames(const BoutLabel&, const BoutLabel&) override {}
    bool AnimationSwitchOn() override { return false; }
    void WaitForFilm() override {
        // A film ends on its seventh tick.
        for (int tick = 1; tick <= 7; ++tick) FilmTick(state_);
        if (state_.AnimationRunning != 0) __builtin_trap();
    }
    void DrawTechnique(int, int) override {}
    void PutOutLamp(int, Side) override {}
    void WaitWhilePaused() override {}
    void DayEnded() override {}
    void ShowDailyChart() override {
        for (int slot = 1; slot <= kSlots; ++slot) ChartRowOf(state_, slot);
    }
    void SetScore(const std::string&) override {}
    void ShowScore() override {}
    void BashoEnded() override { ++bashoEnded; }
    void HideNextButton() override {}
    void SetPracticeCheck(bool) override {}
    void WriteTopTen(const GameState&) override {}

private:
    GameState& state_;
    int presses = 0;
};

}  // namespace kelmar::fuzzing
