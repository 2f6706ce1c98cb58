// The page as the game's Frontend: each moment of the rules is handed to the
// page's script as JSON (texts in UTF-8), and where the desktop waits in a
// modal window the core waits for a promise of the script. Emscripten's
// Asyncify unwinds the core's stack at such a wait and rewinds it when the
// player answers, so the browser is never blocked.
#pragma once

#include <emscripten.h>

#include <optional>
#include <string>
#include <string_view>

#include "state/frontend.h"

namespace kelmar::web {

// A moment the page is told of without waiting: its name and data (JSON).
void Moment(const char* name, const std::string& json);

// A JSON string literal of a UTF-8 text.
std::string Quoted(std::string_view utf8);
// The same of a game text (Shift-JIS).
std::string QuotedGame(std::string_view sjis);
std::string ReportJson(const ReportLines& lines);
std::string ChartJson(const ChartRows& rows);

class PageFrontend : public Frontend {
  public:
    explicit PageFrontend(GameState& state) : state_(state) {}

    void ShowNewspaper(const std::string& page) override;
    void DayBegins(const DayCard& card) override;
    void BoutBegins(const BoutStart& bout) override;
    void AskTactic(const TacticQuestion& question) override;
    void ShowOpponentReport(const ReportLines& lines) override;
    void BoutFought(const BoutOutcome& outcome) override;
    void Paused() override;
    void DayEnds() override;
    void ShowDailyChart(const DailyChart& chart) override;
    void BashoEnds(int32_t score) override;
    void ShowCareerReport(const ReportLines& lines) override;
    std::optional<std::string> AskName(std::string_view caption, std::string_view prompt,
                                       std::string_view preset) override;
    void CareerEnds(const GameState& state) override;

  private:
    GameState& state_;
};

}  // namespace kelmar::web
