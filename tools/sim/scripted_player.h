// The simulator's player: he answers every tactic window from his plan, never
// opens the opponent report, gives the name "Unknown" when his score enters
// the top ten, and lets every film run to its end at once. What a call of
// RunBasho showed him (the newspaper page, the career report) is kept until
// the next call.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "basho/frontend.h"
#include "state/game_state.h"

namespace kelmar::sim {

// The tactic plan: a code 1..3 for every bout, or kCycleTactics for 1, 2, 3,
// 1, ... over the tactic windows of the run.
inline constexpr int kCycleTactics = 0;

class ScriptedPlayer : public Frontend {
public:
    ScriptedPlayer(GameState& state, int tactic) : state_(state), tactic_(tactic) {}

    // Forgets what the last call showed.
    void BeginCall();
    const std::string& paper() const { return paper_; }
    const std::optional<ReportLines>& careerReport() const { return careerReport_; }
    int64_t tacticWindows() const { return tacticWindows_; }

    // Whether the top-ten table is written to "Rank.txt" at the end of a career.
    bool writeTopTen = false;

    void ShowNewspaper(const std::string& page) override { paper_ = page; }
    void ShowTacticWindow(const std::string& displayName, const std::string& ageLine) override;
    void ShowOpponentReport(const ReportLines&) override {}
    void ShowCareerReport(const ReportLines& lines) override { careerReport_ = lines; }
    std::optional<std::string> AskName(const std::string& caption, const std::string& prompt,
                                       const std::string& preset) override;
    void SetDayCaption(const std::string&) override {}
    void DrawBoutCard() override {}
    void DayStarted() override {}
    void LightLamps(int) override {}
    void SetBoutNames(const BoutLabel&, const BoutLabel&) override {}
    bool AnimationSwitchOn() override { return false; }
    void WaitForFilm() override;
    void DrawTechnique(int, int) override {}
    void PutOutLamp(int, Side) override {}
    void WaitWhilePaused() override;
    void DayEnded() override {}
    void ShowDailyChart() override {}
    void SetScore(const std::string&) override {}
    void ShowScore() override {}
    void BashoEnded() override {}
    void HideNextButton() override {}
    void SetPracticeCheck(bool) override {}
    void WriteTopTen(const GameState& state) override;

private:
    GameState& state_;
    int tactic_;
    int64_t tacticWindows_ = 0;
    std::string paper_;
    std::optional<ReportLines> careerReport_;
};

}  // namespace kelmar::sim
