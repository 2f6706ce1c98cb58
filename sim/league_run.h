// A run of the simulator: careers played one basho at a time through the
// game's commands, as a player would in one run of the program. New game,
// the pick and the confirm start every career; the Next button, a confirm of
// the running league, starts every further basho. A resumed run begins with
// the resume command instead, whose load makes the first call.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#if KELMAR_RECORD
#include "record/career_record.h"
#include "record/recording_frontend.h"
#endif
#include "game/game.h"
#include "sim/options.h"
#include "sim/scripted_player.h"
#include "state/game_state.h"
#include "state/kept_files.h"
#include "state/stepped_clock.h"

namespace kelmar::sim {

class LeagueRun {
  public:
    explicit LeagueRun(const SimOptions& options);
    LeagueRun(const LeagueRun&) = delete;
    LeagueRun& operator=(const LeagueRun&) = delete;

#if KELMAR_RECORD
    // Keeps the careers of the run in this record from the next call on.
    void AttachRecord(CareerRecord& record);
#endif

    // Whether the run has made its calls or ended its careers.
    bool Done() const;
    // The next call of RunBasho, with New game, the pick and the confirm
    // before it when a career begins.
    void PlayBasho();

    const GameState& state() const {
        return state_;
    }
    const SteppedClock& clock() const {
        return clock_;
    }
    int64_t calls() const {
        return calls_;
    }
    int64_t careersEnded() const {
        return careersEnded_;
    }
    // How the next call begins.
    enum class Start { Resume, NewCareer, Next };
    Start nextStart() const {
        return next_;
    }
    bool saved() const {
        return saved_;
    }

    // What the player should be told (in UTF-8) since the last time asked:
    // a top-ten file that could not be read, a save that was not made.
    std::vector<std::string> TakeNotices();

    // What the last call showed: it ended a career when it showed the report.
    bool retired() const {
        return player_.careerReport().has_value();
    }
    const std::string& paper() const {
        return player_.paper();
    }
    const std::optional<ReportLines>& careerReport() const {
        return player_.careerReport();
    }

  private:
    SimOptions options_;
    KeptFiles keptFiles_;
    GameState state_;
    SteppedClock clock_;
    ScriptedPlayer player_;
    Game game_;
    int64_t calls_ = 0;
    int64_t careersEnded_ = 0;
    Start next_;
    bool saved_ = false;
    std::vector<std::string> notices_;
#if KELMAR_RECORD
    std::unique_ptr<RecordLog> log_;
#endif
};

}  // namespace kelmar::sim
