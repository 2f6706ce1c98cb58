// The simulator's player: he answers every tactic window from his plan, never
// opens the opponent report, gives the name "Unknown" when his score enters
// the top ten, and lets every film run to its end at once. What a call of
// RunBasho showed him (the newspaper page, the career report) is kept until
// the next call. He plays through the commands of the Game he is shown in.
// He switches the films of other bouts off (LeagueRun gives the command).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "game/game.h"
#include "state/frontend.h"

namespace kelmar::sim {

// The tactic plan: a code 1..3 for every bout, or kCycleTactics for 1, 2, 3,
// 1, ... over the tactic windows of the run.
inline constexpr int kCycleTactics = 0;

class ScriptedPlayer : public HeadlessFrontend {
  public:
    explicit ScriptedPlayer(int tactic) : tactic_(tactic) {}
    // The game whose moments he is shown, and whose commands he gives: it
    // outlives him in every moment it shows him.
    void Plays(Game& game) { game_ = &game; }

    // Forgets what the last call showed.
    void BeginCall();
    const std::string& paper() const { return paper_; }
    const std::optional<ReportLines>& careerReport() const { return careerReport_; }
    int64_t tacticWindows() const { return tacticWindows_; }

    // Whether the top-ten table is written to "Rank.txt" at the end of a career.
    bool writeTopTen = false;

    // Nobody looks at the pictures of a simulated run.
    bool Watched() const override { return false; }
    void ShowNewspaper(const std::string& page) override { paper_ = page; }
    int32_t AskTactic(const TacticQuestion&) override;
    void ShowCareerReport(const ReportLines& lines) override { careerReport_ = lines; }
    std::optional<std::string> AskName(std::string_view, std::string_view,
                                       std::string_view) override {
        return std::string("Unknown");
    }
    void BoutFought(const BoutOutcome& outcome) override;
    // Nobody pauses a scripted run; should the day find it paused, the
    // player presses the button again rather than wait forever.
    void Paused() override { game_->TogglePause(); }
    void CareerEnds(const GameState& state) override {
        if (writeTopTen)
            Frontend::CareerEnds(state);
    }

  private:
    Game* game_ = nullptr;
    int tactic_;
    int64_t tacticWindows_ = 0;
    std::string paper_;
    std::optional<ReportLines> careerReport_;
};

}  // namespace kelmar::sim
