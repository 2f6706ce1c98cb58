#include "sim/league_run.h"

#include "basho/new_career.h"
#include "basho/procedures.h"
#include "state/encoding.h"
#include "state/saved_game.h"
#include "state/text_file.h"
#include "state/top_ten.h"

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
    // Only the simulator writes to the folder, and only with these options;
    // without them the data files stay as they were at the first career, and
    // are read once. With them every career reads the disk, as the game does.
    if (!options.files && !options.resume && options.saveAfter == 0)
        files_ = &keptFiles_;
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

#if KELMAR_RECORD
void LeagueRun::AttachRecord(CareerRecord& record) {
    record_ = &record;
    recording_ = std::make_unique<RecordingFrontend>(player_, state_, record);
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
#if KELMAR_RECORD
    Frontend& frontend = recording_ ? static_cast<Frontend&>(*recording_) : player_;
#else
    Frontend& frontend = player_;
#endif
    if (start == Start::Resume) {
#if KELMAR_RECORD
        if (record_)
            if (const auto fingerprint = SavedGameFingerprint(GameFolderPath("Kelmar.ini")))
                record_->Resuming(*fingerprint);
#endif
        LoadGame(state_);
        RunBasho(state_, frontend, clock_, *files_);
    } else {
        if (start == Start::NewCareer) {
            NewGame(state_, *files_);
#if KELMAR_RECORD
            if (record_)
                record_->NewGame();
#endif
            PickJuryo(state_, options_.pick, clock_);
        }
        ConfirmCareer(state_, frontend, clock_, *files_);
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
#if KELMAR_RECORD
            SaveGameAndRecord(state_, record_);
#else
            SaveGame(state_);
#endif
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
