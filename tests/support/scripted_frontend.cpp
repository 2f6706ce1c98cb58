#include "support/scripted_frontend.h"

#include "basho/procedures.h"
#include "state/strings.h"

namespace kelmar::testing {

namespace {

std::string Label(const BoutSide& side) {
    return side.Label() + (side.player ? "*" : "");
}

}  // namespace

int ScriptedFrontend::Count(const std::string& prefix) const {
    int n = 0;
    for (const auto& c : calls) n += c.rfind(prefix, 0) == 0;
    return n;
}

void ScriptedFrontend::ShowNewspaper(const std::string& page) {
    calls.push_back("ShowNewspaper");
    pages.push_back(page);
}

void ScriptedFrontend::DayBegins(const DayCard& card) {
    calls.push_back("DayBegins " + DayCaption(card));
}

void ScriptedFrontend::BoutBegins(const BoutStart& bout) {
    calls.push_back("BoutBegins " + IntToStr(bout.column) + " " + Label(bout.east) + " " +
                    Label(bout.west));
}

int32_t ScriptedFrontend::AskTactic(const TacticQuestion& question) {
    calls.push_back("AskTactic " + std::string(question.name) + " " + TacticAgeLine(question));
    if (openReport)
        OpenOpponentReport(state_, *this);
    return tactic.value_or(kNoTactic);
}

void ScriptedFrontend::ShowOpponentReport(const ReportLines& lines) {
    calls.push_back("ShowOpponentReport");
    opponentReports.push_back(lines);
}

void ScriptedFrontend::BoutFought(const BoutOutcome& outcome) {
    calls.push_back("BoutFought " + IntToStr(outcome.column) +
                    (outcome.winner == Side::East ? " east " : " west ") +
                    IntToStr(outcome.winnerTactic) + " " + (outcome.film ? outcome.film : "-"));
    filmed += outcome.filmed;
    // The film is driven by the timer's ticks; a guard keeps a broken film
    // from hanging the test.
    for (int tick = 1; outcome.filmed && state_.AnimationRunning != 0 && tick < 1000; ++tick) {
        if (onFilmTick)
            onFilmTick(tick);
        FilmTick(state_);
    }
}

void ScriptedFrontend::Paused() {
    calls.push_back("Paused");
    if (onPause)
        onPause();
}

void ScriptedFrontend::ShowDailyChart(const DailyChart& chart) {
    calls.push_back(chart.refusal.empty() ? "ShowDailyChart" : "ShowDailyChart " + chart.refusal);
    lastChart = chart.rows;
}

void ScriptedFrontend::BashoEnds(int32_t score) {
    calls.push_back("BashoEnds " + ScoreCaption(score));
}

void ScriptedFrontend::ShowCareerReport(const ReportLines& lines) {
    calls.push_back("ShowCareerReport");
    careerReports.push_back(lines);
}

std::optional<std::string> ScriptedFrontend::AskName(std::string_view caption,
                                                     std::string_view prompt,
                                                     std::string_view preset) {
    calls.push_back("AskName " + std::string(caption) + " " + std::string(prompt) + " " +
                    std::string(preset));
    return name;
}

void ScriptedFrontend::CareerEnds(const GameState& state) {
    calls.push_back("CareerEnds");
    if (writeTopTen)
        Frontend::CareerEnds(state);
}

}  // namespace kelmar::testing
