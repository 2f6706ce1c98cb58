// The page as the game's Frontend. Each moment goes to the page's face, the
// object `face` that web/core.mjs hands the core when it loads it (its
// methods are in web/moments.mjs), with the texts in UTF-8. Where the desktop
// waits in a modal window, the core awaits a promise of the face: Emscripten's
// Asyncify unwinds the core's stack there and rewinds it when the player
// answers, so the browser is never blocked.
#pragma once

#include <emscripten/val.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "canvas/picture.h"
#include "canvas/scoreboard.h"
#include "game/game.h"
#include "lang/language.h"
#include "state/frontend.h"

namespace kelmar::web {

// A text of the game (Shift-JIS) as the page shows it.
std::string PageText(std::string_view sjis);

// The language the page shows the game in, set by the page (setLanguage).
// Only what is shown depends on it: the game state and its files never do.
Language& PageLanguage();
// A text of the game (Shift-JIS) in the page's language.
std::string PageTextIn(std::string_view sjis);
// A name of the game (Shift-JIS) as the page's language shows it.
std::string PageName(std::string_view sjis);
// The main view as the page takes it, its captions in the page's language.
emscripten::val MainViewShown(const MainView& view);
// A game error or any other exception in the page's language.
std::string PageErrorText(const std::exception& error);

// The game's message box with this text (UTF-8).
void ShowError(const std::string& message);

// A picture composed by the core, shown in one of the page's canvases:
// "Image2" (the board), "Image1" (the film) or "Chart" (frmStage's picture).
void ShowPixels(const char* canvas, canvas::ConstView picture);

// The chart's picture of these rows in frmStage's image (425 x 321), from the
// sheet of the page's language in the game folder; PictureError naming that
// file when it cannot be read.
void ShowChart(const ChartRows& rows);
// The rows shown last drawn again, from the sheet of the language now;
// nothing before any chart.
void ShowChartAgain();

class PageFrontend : public Frontend {
  public:
    // The game whose waits this face keeps (quitting, a film, a pause).
    void Attach(const Game& game, const GameState& state) {
        game_ = &game;
        state_ = &state;
    }

    void Show(const MainView& view) override;
    void ShowNewspaper(const std::string& page) override;
    void DayBegins(const DayCard& card) override;
    void BoutBegins(const BoutStart& bout) override;
    int32_t AskTactic(const TacticQuestion& question) override;
    void ShowOpponentReport(const ReportLines& lines) override;
    void BoutFought(const BoutOutcome& outcome) override;
    void Paused() override;
    void DayEnds() override;
    void ShowDailyChart(const DailyChart& chart) override;
    void BashoEnds(int32_t) override {}  // the main view shows the score
    void ShowCareerReport(const ReportLines& lines) override;
    std::optional<std::string> AskName(std::string_view caption, std::string_view prompt,
                                       std::string_view preset) override;
    void CareerEnds(const GameState& state) override;

    // KN1's first step: the blank board of a new career.
    void ClearBoard();

    // The texts of the moments last shown, composed again in the page's
    // language, for the windows the page draws again when it changes:
    // {paper, tacticName, tacticAge, report: [Label3, Label1, Label2,
    // Label4], day, east, west, nameCaption, namePrompt}, each "" when none
    // was shown.
    emscripten::val TextsShown() const;

  private:
    bool Quitting() const { return game_ != nullptr && game_->Quitting(); }
    void ShowBoard() { ShowPixels("Image2", board_); }

    const Game* game_ = nullptr;
    const GameState* state_ = nullptr;
    // What the moments last handed over, kept to be worded again.
    enum class ReportShown { None, Opponent, Career };
    std::string paper_;
    std::optional<std::string> tacticName_;
    int64_t tacticAge_ = 0;
    ReportShown report_ = ReportShown::None;
    std::optional<std::pair<std::string, std::string>> nameQuestion_;  // caption, prompt
    std::optional<DayCard> day_;
    struct SideShown {
        int32_t slot = 0;
        std::string rank;
        std::string name;
        bool player = false;
    };
    std::optional<std::pair<SideShown, SideShown>> bout_;
    // Image2, the board, as the desktop's: the day card, the lamps and the
    // technique pictures, composed by canvas/.
    canvas::Picture board_{425, 161};
    std::unique_ptr<canvas::DayPictures> dayPictures_;
};

}  // namespace kelmar::web
