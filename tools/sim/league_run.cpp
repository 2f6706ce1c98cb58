#include "tools/sim/league_run.h"

#include "shell/new_career.h"

namespace kelmar::sim {

namespace {
constexpr int32_t kPracticeLevel = 10;
}

LeagueRun::LeagueRun(const SimOptions& options)
    : options_(options),
      clock_(options.clockStart, options.clockStep),
      player_(state_, options.tactic) {
    state_.Rng.state = options.seed;
    // The practice level's menu item, checked before the first pick.
    if (options.practice) state_.Omake = kPracticeLevel;
}

bool LeagueRun::Done() const {
    return calls_ >= options_.basho || careersEnded_ >= options_.careers;
}

void LeagueRun::PlayBasho() {
    player_.BeginCall();
    if (careerStarts_) {
        NewGame(state_);
        PickJuryo(state_, options_.pick, clock_);
    }
    careerStarts_ = false;
    ++calls_;
    ConfirmCareer(state_, player_, clock_);
    if (retired()) {
        ++careersEnded_;
        careerStarts_ = true;
    }
}

}  // namespace kelmar::sim
