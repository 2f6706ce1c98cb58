#include "tools/sim/scripted_player.h"

#include "basho/procedures.h"

namespace kelmar::sim {

void ScriptedPlayer::BeginCall() {
    paper_.clear();
    careerReport_.reset();
}

void ScriptedPlayer::ShowTacticWindow(const std::string&, const std::string&) {
    state_.SelectedTactic =
        tactic_ == kCycleTactics ? static_cast<int32_t>(tacticWindows_ % 3) + 1 : tactic_;
    ++tacticWindows_;
}

std::optional<std::string> ScriptedPlayer::AskName(const std::string&, const std::string&,
                                                   const std::string&) {
    return std::string("Unknown");
}

void ScriptedPlayer::WaitForFilm() {
    // The timer's ticks, one after the other: a film ends after seven.
    for (int tick = 0; state_.AnimationRunning != 0 && tick < 100; ++tick) FilmTick(state_);
}

void ScriptedPlayer::WaitWhilePaused() {
    // Nobody pauses a scripted run; should the day find it paused, the
    // player presses the button again rather than wait forever.
    state_.Paused = 0;
}

void ScriptedPlayer::WriteTopTen(const GameState& state) {
    if (writeTopTen)
        Frontend::WriteTopTen(state);
}

}  // namespace kelmar::sim
