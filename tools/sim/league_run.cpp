#include "tools/sim/league_run.h"

#include "basho/procedures.h"
#include "shell/new_career.h"
#include "state/encoding.h"
#include "state/saved_game.h"

namespace kelmar::sim {

namespace {
constexpr int32_t kPracticeLevel = 10;
}

LeagueRun::LeagueRun(const SimOptions& options)
    : options_(options),
      clock_(options.clockStart, options.clockStep),
      player_(state_, options.tactic),
      next_(options.resume ? Start::Resume : Start::NewCareer) {
    state_.Rng.state = options.seed;
    // The practice level's menu item, checked before the first pick or load.
    if (options.practice)
        state_.Omake = kPracticeLevel;
    player_.writeTopTen = options.files;
    if (options.files) {
        // As at program start: the message, and the table as far as it was read.
        try {
            LoadTopTen(state_);
        } catch (const GameError& e) {
            notices_.push_back(ShiftJisToUtf8(e.what()));
        }
    }
}

bool LeagueRun::Done() const {
    return calls_ >= options_.basho || careersEnded_ >= options_.careers;
}

void LeagueRun::PlayBasho() {
    player_.BeginCall();
    const Start start = next_;
    next_ = Start::Next;
    ++calls_;
    if (start == Start::Resume) {
        LoadGame(state_);
        RunBasho(state_, player_, clock_);
    } else {
        if (start == Start::NewCareer) {
            NewGame(state_);
            PickJuryo(state_, options_.pick, clock_);
        }
        ConfirmCareer(state_, player_, clock_);
    }
    if (retired()) {
        ++careersEnded_;
        next_ = Start::NewCareer;
    }
    if (calls_ == options_.saveAfter) {
        if (retired()) {
            notices_.push_back("call " + std::to_string(calls_) +
                               " ended a career: no game is saved");
        } else {
            SaveGame(state_);
            saved_ = true;
        }
    }
}

std::vector<std::string> LeagueRun::TakeNotices() {
    std::vector<std::string> taken;
    taken.swap(notices_);
    return taken;
}

}  // namespace kelmar::sim
