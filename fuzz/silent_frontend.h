// A Frontend for the fuzzers: no windows and no waiting. The player presses
// the three tactics in turn and closes the window every fourth time; a film
// runs its ticks at once; nothing is written to disk.
#pragma once

#include "banzuke/procedures.h"
#include "basho/frontend.h"
#include "basho/procedures.h"
#include "state/game_state.h"

namespace kelmar::fuzzing {

class SilentFrontend : public HeadlessFrontend {
  public:
    explicit SilentFrontend(GameState& state) : state_(state) {}

    int bashoEnded = 0;
    int careerReports = 0;

    void ShowTacticWindow(const std::string&, const std::string&) override {
        if (++presses % 4 != 0)
            state_.SelectedTactic = presses % 4;
    }
    void ShowCareerReport(const ReportLines&) override { ++careerReports; }
    // The card and the chart read what the windows draw, with their refusals.
    void DrawBoutCard() override {
        for (int pair = 1; pair <= 16; ++pair) DayCardFigures(state_, state_.Torikumiday, pair);
    }
    void WaitForFilm() override {
        // A film ends on its last tick.
        for (int tick = 1; tick <= kFilmTicks; ++tick) FilmTick(state_);
        if (state_.AnimationRunning != 0)
            __builtin_trap();
    }
    void ShowDailyChart() override {
        for (int slot = 1; slot <= kSlots; ++slot) ChartRowOf(state_, slot);
    }
    void BashoEnded() override { ++bashoEnded; }

  private:
    GameState& state_;
    int presses = 0;
};

}  // namespace kelmar::fuzzing
