#include "sim/scripted_player.h"

namespace kelmar::sim {

void ScriptedPlayer::BeginCall() {
    paper_.clear();
    careerReport_.reset();
}

int32_t ScriptedPlayer::AskTactic(const TacticQuestion&) {
    const int32_t tactic =
        tactic_ == kCycleTactics ? static_cast<int32_t>(tacticWindows_ % 3) + 1 : tactic_;
    ++tacticWindows_;
    return tactic;
}

void ScriptedPlayer::BoutFought(const BoutOutcome& outcome) {
    // The timer's ticks, one after the other: a film ends after seven.
    for (int tick = 0; outcome.filmed && game_->FilmRuns() && tick < 100; ++tick) game_->Tick();
}

}  // namespace kelmar::sim
