// A Frontend for the fuzzers: no windows and no waiting. The player presses
// the three tactics in turn and closes the window every fourth time; a film
// runs its ticks at once; nothing is written to disk.
#pragma once

#include "basho/procedures.h"
#include "state/frontend.h"
#include "state/game_state.h"

namespace kelmar::fuzzing {

class SilentFrontend : public HeadlessFrontend {
  public:
    explicit SilentFrontend(GameState& state) : state_(state) {}

    int bashoEnded = 0;
    int careerReports = 0;

    // Every fourth window is closed without a choice.
    int32_t AskTactic(const TacticQuestion&) override {
        return ++presses % 4 != 0 ? presses % 4 : kNoTactic;
    }
    void ShowCareerReport(const ReportLines&) override { ++careerReports; }
    void BoutFought(const BoutOutcome& outcome) override {
        if (!outcome.filmed)
            return;
        // A film ends on its last tick.
        for (int tick = 1; tick <= kFilmTicks; ++tick) FilmTick(state_);
        if (state_.AnimationRunning != 0)
            __builtin_trap();
    }
    void BashoEnds(int32_t) override { ++bashoEnded; }

  private:
    GameState& state_;
    int presses = 0;
};

}  // namespace kelmar::fuzzing
