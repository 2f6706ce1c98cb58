#include "support/scripted_frontend.h"

#include "banzuke/procedures.h"
#include "basho/procedures.h"
#include "state/strings.h"

namespace kelmar::testing {

int ScriptedFrontend::Count(const std::string& prefix) const {
    int n = 0;
    for (const auto& c : calls) n += c.rfind(prefix, 0) == 0;
    return n;
}

void ScriptedFrontend::ShowNewspaper(const std::string& page) {
    calls.push_back("ShowNewspaper");
    pages.push_back(page);
}

void ScriptedFrontend::ShowTacticWindow(const std::string& displayName,
                                        const std::string& ageLine) {
    calls.push_back("ShowTacticWindow " + displayName + " " + ageLine);
    if (openReport)
        OpenOpponentReport(state_, *this);
    if (tactic)
        state_.SelectedTactic = *tactic;
}

void ScriptedFrontend::ShowOpponentReport(const ReportLines& lines) {
    calls.push_back("ShowOpponentReport");
    opponentReports.push_back(lines);
}

void ScriptedFrontend::ShowCareerReport(const ReportLines& lines) {
    calls.push_back("ShowCareerReport");
    careerReports.push_back(lines);
}

std::optional<std::string> ScriptedFrontend::AskName(const std::string& caption,
                                                     const std::string& prompt,
                                                     const std::string& preset) {
    calls.push_back("AskName " + caption + " " + prompt + " " + preset);
    return name;
}

void ScriptedFrontend::SetDayCaption(const std::string& caption) {
    calls.push_back("SetDayCaption " + caption);
}
// The card and the chart read what the windows read, so that a value they
// refuse stops a headless basho where it stops the game.
void ScriptedFrontend::DrawBoutCard() {
    calls.push_back("DrawBoutCard");
    for (int pair = 1; pair <= 16; ++pair) DayCardFigures(state_, state_.Torikumiday, pair);
}
void ScriptedFrontend::DayStarted() {
    calls.push_back("DayStarted");
}
void ScriptedFrontend::LightLamps(int bout) {
    calls.push_back("LightLamps " + IntToStr(bout));
}
void ScriptedFrontend::SetBoutNames(const BoutLabel& east, const BoutLabel& west) {
    calls.push_back("SetBoutNames " + east.text + (east.player ? "*" : "") + " " + west.text +
                    (west.player ? "*" : ""));
}
bool ScriptedFrontend::AnimationSwitchOn() {
    return animationSwitch;
}

void ScriptedFrontend::WaitForFilm() {
    calls.push_back("WaitForFilm " + state_.AnimationFrames);
    // The film is driven by the timer's ticks; a guard keeps a broken film
    // from hanging the test.
    for (int tick = 1; state_.AnimationRunning != 0 && tick < 1000; ++tick) {
        if (onFilmTick)
            onFilmTick(tick);
        FilmTick(state_);
    }
}

void ScriptedFrontend::DrawTechnique(int bout, int tactic) {
    calls.push_back("DrawTechnique " + IntToStr(bout) + " " + IntToStr(tactic));
}
void ScriptedFrontend::PutOutLamp(int bout, Side loser) {
    calls.push_back("PutOutLamp " + IntToStr(bout) + (loser == Side::East ? " east" : " west"));
}
void ScriptedFrontend::WaitWhilePaused() {
    calls.push_back("WaitWhilePaused");
    if (onPause)
        onPause();
}
void ScriptedFrontend::DayEnded() {
    calls.push_back("DayEnded");
}
void ScriptedFrontend::ShowDailyChart() {
    calls.push_back("ShowDailyChart");
    for (int slot = 1; slot <= kSlots; ++slot) ChartRowOf(state_, slot);
}
void ScriptedFrontend::SetScore(const std::string& caption) {
    calls.push_back("SetScore " + caption);
}
void ScriptedFrontend::ShowScore() {
    calls.push_back("ShowScore");
}
void ScriptedFrontend::BashoEnded() {
    calls.push_back("BashoEnded");
}
void ScriptedFrontend::HideNextButton() {
    calls.push_back("HideNextButton");
}
void ScriptedFrontend::SetPracticeCheck(bool on) {
    calls.push_back(std::string("SetPracticeCheck ") + (on ? "1" : "0"));
}
void ScriptedFrontend::WriteTopTen(const GameState& state) {
    calls.push_back("WriteTopTen");
    if (writeTopTen)
        Frontend::WriteTopTen(state);
}

}  // namespace kelmar::testing
