#include "sim/league_run.h"

#include "state/encoding.h"
#include "state/errors.h"

namespace kelmar::sim {

namespace {

// Only the simulator writes to the folder, and only with these options;
// without them the data files stay as they were at the first career, and are
// read once. With them every career reads the disk, as the game does.
LeagueFiles& FilesOf(const SimOptions& options, KeptFiles& kept) {
    if (!options.files && !options.resume && options.saveAfter == 0)
        return kept;
    return DiskLeagueFiles();
}

}  // namespace

LeagueRun::LeagueRun(const SimOptions& options)
    : options_(options),
      clock_(options.clockStart, options.clockStep),
      player_(options.tactic),
      game_(state_, player_, clock_, FilesOf(options, keptFiles_)),
      next_(options.resume ? Start::Resume : Start::NewCareer) {
    player_.Plays(game_);
    game_.Seed(options.seed);
    // The menu's items, checked before the first pick or load.
    if (options.practice)
        game_.SetPractice(true);
    game_.SetAnimation(false);
    player_.writeTopTen = options.files;
    try {
        // As at program start: the message, and the table as far as it was read.
        game_.Start(options.files);
    } catch (const GameError& e) {
        notices_.push_back(ShiftJisToUtf8(e.what()));
    }
}

#if KELMAR_RECORD
void LeagueRun::AttachRecord(CareerRecord& record) {
    log_ = std::make_unique<RecordLog>(state_, record);
    game_.SetLog(log_.get());
}
#endif

bool LeagueRun::Done() const {
    return calls_ >= options_.basho || careersEnded_ >= options_.careers;
}

void LeagueRun::PlayBasho() {
    player_.BeginCall();
    const Start start = next_;
    next_ = Start::Next;
    ++calls_;
    if (start == Start::Resume) {
        game_.Resume();
    } else {
        if (start == Start::NewCareer) {
            game_.NewGame();
            game_.Pick(options_.pick);
        }
        game_.Confirm();
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
            game_.Save();
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
