// The page as the game's Frontend: each moment of the rules is handed to the
// page's script as JSON (texts in UTF-8), and where the desktop waits in a
// modal window the core waits for a promise of the script. Emscripten's
// Asyncify unwinds the core's stack at such a wait and rewinds it when the
// player answers, so the browser is never blocked.
#pragma once

#include <emscripten.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "canvas/picture.h"
#include "canvas/scoreboard.h"
#include "state/frontend.h"

namespace kelmar::web {

// A moment the page is told of without waiting: its name and data (JSON).
void Moment(const char* name, const std::string& json);

// A picture composed by the core, shown in one of the page's canvases:
// "Image2" (the board), "Image1" (the film) or "Chart" (frmStage's picture).
void ShowPixels(const char* canvas, canvas::ConstView picture);

// The chart's picture of these rows in frmStage's image (425 x 321), from the
// sheet of the game folder; PictureError when it cannot be read.
void ShowChart(const ChartRows& rows);

// A JSON string literal of a UTF-8 text.
std::string Quoted(std::string_view utf8);
// The same of a game text (Shift-JIS).
std::string QuotedGame(std::string_view sjis);
std::string ReportJson(const ReportLines& lines);

class PageFrontend : public Frontend {
  public:
    explicit PageFrontend(GameState& state) : state_(state) {}

    void ShowNewspaper(const std::string& page) override;
    void DayBegins(const DayCard& card) override;
    void BoutBegins(const BoutStart& bout) override;
    void Show(const MainView&) override {}
    int32_t AskTactic(const TacticQuestion& question) override;
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

    // KN1Click: the blank board of a new career.
    void ClearBoard();

  private:
    void ShowBoard() { ShowPixels("Image2", board_); }

    GameState& state_;
    // Image2, the board, as the desktop's: the day card, the lamps and the
    // technique pictures, composed by canvas/.
    canvas::Picture board_{425, 161};
    std::unique_ptr<canvas::DayPictures> dayPictures_;
};

}  // namespace kelmar::web
