// The career record fed from the game's moments: a Frontend that hands every
// moment on to the real one (the windows, or the simulator's player) and
// tells the record what the moment says about the player's career.
#pragma once

#include "basho/frontend.h"
#include "record/career_record.h"
#include "state/game_state.h"

namespace kelmar {

class RecordingFrontend : public Frontend {
  public:
    RecordingFrontend(Frontend& inner, const GameState& state, CareerRecord& record)
        : inner_(inner), state_(state), record_(record) {}

    // Moments that carry the record.
    void ShowNewspaper(const std::string& page) override;
    void SetBoutNames(const BoutLabel& east, const BoutLabel& west) override;
    void DrawTechnique(int bout, int tactic) override;
    void PutOutLamp(int bout, Side loser) override;
    void BashoEnded() override;
    void ShowCareerReport(const ReportLines& lines) override;

    // The others, handed on as they are.
    void ShowTacticWindow(const std::string& displayName, const std::string& ageLine) override {
        inner_.ShowTacticWindow(displayName, ageLine);
    }
    void ShowOpponentReport(const ReportLines& lines) override { inner_.ShowOpponentReport(lines); }
    std::optional<std::string> AskName(const std::string& caption, const std::string& prompt,
                                       const std::string& preset) override {
        return inner_.AskName(caption, prompt, preset);
    }
    void SetDayCaption(const std::string& caption) override { inner_.SetDayCaption(caption); }
    void DrawBoutCard() override { inner_.DrawBoutCard(); }
    void DayStarted() override { inner_.DayStarted(); }
    void LightLamps(int bout) override { inner_.LightLamps(bout); }
    bool AnimationSwitchOn() override { return inner_.AnimationSwitchOn(); }
    void WaitForFilm() override { inner_.WaitForFilm(); }
    void WaitWhilePaused() override { inner_.WaitWhilePaused(); }
    void DayEnded() override { inner_.DayEnded(); }
    void ShowDailyChart() override { inner_.ShowDailyChart(); }
    void SetScore(const std::string& caption) override { inner_.SetScore(caption); }
    void ShowScore() override { inner_.ShowScore(); }
    void HideNextButton() override { inner_.HideNextButton(); }
    void SetPracticeCheck(bool on) override { inner_.SetPracticeCheck(on); }
    void WriteTopTen(const GameState& state) override { inner_.WriteTopTen(state); }

  private:
    Frontend& inner_;
    const GameState& state_;
    CareerRecord& record_;
    // The bout under way: its slots and the tactic of its winner's film.
    int east_ = 0;
    int west_ = 0;
    int winnerTactic_ = 0;
};

}  // namespace kelmar
