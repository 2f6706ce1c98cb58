#include "web/page_frontend.h"

#include <emscripten.h>

#include <cstdlib>
#include <optional>

#include "banzuke/newspaper.h"
#include "basho/procedures.h"
#include "basho/reports.h"
#include "canvas/chart.h"
#include "game/views_in_language.h"
#include "lang/catalogue.h"
#include "lang/error_text.h"
#include "lang/names.h"
#include "lang/pictures.h"
#include "lang/ranks.h"
#include "state/encoding.h"
#include "state/errors.h"
#include "state/top_ten.h"

namespace kelmar::web {

namespace {

// The waits of the face: each awaits the promise that its method returns.
// clang-format off
EM_ASYNC_JS(void, JsNewspaper, (const char* page), {
    await Module.face.newspaper(UTF8ToString(page));
});
EM_ASYNC_JS(int, JsAskTactic, (const char* name, const char* age), {
    return await Module.face.askTactic(UTF8ToString(name), UTF8ToString(age));
});
EM_ASYNC_JS(void, JsReport, (const char* label3, const char* label1, const char* label2,
                             const char* label4), {
    await Module.face.report(UTF8ToString(label3), UTF8ToString(label1), UTF8ToString(label2),
                             UTF8ToString(label4));
});
EM_ASYNC_JS(void, JsRunFilm, (), {
    await Module.face.runFilm();
});
EM_ASYNC_JS(void, JsPaused, (), {
    await Module.face.paused();
});
EM_ASYNC_JS(void, JsDailyChart, (const char* refusal), {
    await Module.face.dailyChart(UTF8ToString(refusal));
});
// The name typed, in memory of malloc that the caller frees; null when the
// player cancels.
EM_ASYNC_JS(char*, JsAskName, (const char* caption, const char* prompt, const char* preset), {
    const name = await Module.face.askName(UTF8ToString(caption), UTF8ToString(prompt),
                                           UTF8ToString(preset));
    if (name === null) return 0;
    const size = lengthBytesUTF8(name) + 1;
    const text = _malloc(size);
    stringToUTF8(name, text, size);
    return text;
});
EM_JS(void, JsShowPixels, (const char* canvas, const uint8_t* rgba, int width, int height), {
    Module.face.showPixels(UTF8ToString(canvas), HEAPU8.slice(rgba, rgba + width * height * 4),
                           width, height);
});
// clang-format on

emscripten::val Face() {
    return emscripten::val::module_property("face");
}

// The report's lines (UTF-8) in the page's language.
void Report(const ReportLines& lines) {
    JsReport(lines.Label3.c_str(), lines.Label1.c_str(), lines.Label2.c_str(),
             lines.Label4.c_str());
}

ReportLines InPageText(const ReportLines& lines) {
    return {PageText(lines.Label3), PageText(lines.Label1), PageText(lines.Label2),
            PageText(lines.Label4)};
}

}  // namespace

std::string PageText(std::string_view sjis) {
    return ShiftJisToUtf8(sjis);
}

Language& PageLanguage() {
    static Language language = Language::Japanese;
    return language;
}

std::string PageTextIn(std::string_view sjis) {
    return Translate(PageLanguage(), ShiftJisToUtf8(sjis));
}

std::string PageName(std::string_view sjis) {
    return ShownName(PageLanguage(), sjis);
}

emscripten::val MainViewShown(const MainView& view) {
    emscripten::val shown(view);
    const MainViewTexts texts = MainViewTextsIn(PageLanguage(), view);
    shown.set("confirmCaption", texts.confirmCaption);
    shown.set("stopCaption", texts.stopCaption);
    shown.set("score", texts.score);
    return shown;
}

std::string PageErrorText(const std::exception& error) {
    return ErrorText(PageLanguage(), error);
}

void ShowError(const std::string& message) {
    Face().call<void>("showError", message);
}

void ShowPixels(const char* canvas, canvas::ConstView picture) {
    const std::vector<uint8_t> rgba = canvas::RgbaBytes(picture);
    JsShowPixels(canvas, rgba.data(), picture.width, picture.height);
}

namespace {
std::optional<ChartRows>& RowsShown() {
    static std::optional<ChartRows> rows;
    return rows;
}
}  // namespace

void ShowChart(const ChartRows& rows) {
    RowsShown() = rows;
    canvas::Picture image(425, 321);
    canvas::DrawChart(rows, image, SheetFileIn(PageLanguage()));
    ShowPixels("Chart", image);
}

void ShowChartAgain() {
    if (const std::optional<ChartRows> rows = RowsShown())
        ShowChart(*rows);
}

void PageFrontend::Show(const MainView& view) {
    Face().call<void>("show", MainViewShown(view));
}

void PageFrontend::ShowNewspaper(const std::string& page) {
    if (Quitting())
        return;
    paper_ = page;
    JsNewspaper(NewspaperIn(PageLanguage(), page, KnownNames(*state_)).c_str());
}

void PageFrontend::DayBegins(const DayCard& card) {
    // As the desktop: the caption, the day card, the five pictures of the day
    // (PictureError stops here); the main view then shows btnStop.
    day_ = card;
    Face().call<void>("dayBegins", DayCaptionIn(PageLanguage(), card));
    canvas::DrawBoutCard(card, board_);
    ShowBoard();
    dayPictures_ = std::make_unique<canvas::DayPictures>(canvas::DayPictures::Load());
}

void PageFrontend::BoutBegins(const BoutStart& bout) {
    dayPictures_->LightLamps(board_, bout.column);
    ShowBoard();
    const auto kept = [](const BoutSide& side) {
        return SideShown{side.slot, std::string(side.rank), std::string(side.name), side.player};
    };
    bout_ = {kept(bout.east), kept(bout.west)};
    Face().call<void>("boutBegins", BoutLabelIn(PageLanguage(), bout.east), bout.east.player,
                      BoutLabelIn(PageLanguage(), bout.west), bout.west.player);
}

int32_t PageFrontend::AskTactic(const TacticQuestion& question) {
    if (Quitting())
        return kNoTactic;
    tacticName_ = std::string(question.name);
    tacticAge_ = question.age;
    const int32_t tactic = JsAskTactic(PageName(question.name).c_str(),
                                       TacticAgeLineIn(PageLanguage(), question).c_str());
    tacticName_.reset();
    return tactic;
}

void PageFrontend::ShowOpponentReport(const ReportLines& lines) {
    if (Quitting())
        return;
    report_ = ReportShown::Opponent;
    Report(PageLanguage() == Language::Japanese
               ? InPageText(lines)
               : ReportLinesIn(PageLanguage(), OpponentReportPieces(*state_)));
    report_ = ReportShown::None;
}

void PageFrontend::BoutFought(const BoutOutcome& outcome) {
    // The film runs on the page's timer, which ticks the core (Game::Tick)
    // until the film has ended; the wait ends then.
    if (outcome.filmed && game_->FilmRuns())
        JsRunFilm();
    if (outcome.film != nullptr) {
        dayPictures_->DrawTechnique(board_, outcome.column, outcome.winnerTactic);
        ShowBoard();
    }
    dayPictures_->PutOutLamp(board_, outcome.column, outcome.Loser());
    ShowBoard();
}

void PageFrontend::Paused() {
    if (game_->PauseHolds())
        JsPaused();
}

void PageFrontend::DayEnds() {
    dayPictures_.reset();
    bout_.reset();
    Face().call<void>("dayEnds");
}

void PageFrontend::ClearBoard() {
    canvas::ClearBoard(board_);
    ShowBoard();
}

void PageFrontend::ShowDailyChart(const DailyChart& chart) {
    if (Quitting())
        return;
    // A chart that cannot be drawn shows its message in the open window, which
    // the player closes to play on, as a refusal of the rows.
    std::string refusal = chart.refusal;
    if (refusal.empty()) {
        try {
            ShowChart(chart.rows);
        } catch (const PictureError& e) {
            JsDailyChart(PageErrorText(e).c_str());
            return;
        }
    }
    JsDailyChart(refusal.empty() ? "" : PageTextIn(refusal).c_str());
}

void PageFrontend::ShowCareerReport(const ReportLines& lines) {
    if (Quitting())
        return;
    report_ = ReportShown::Career;
    Report(PageLanguage() == Language::Japanese
               ? InPageText(lines)
               : ReportLinesIn(PageLanguage(), CareerReportPieces(*state_, state_->PlayerIndex)));
    report_ = ReportShown::None;
}

std::optional<std::string> PageFrontend::AskName(std::string_view caption, std::string_view prompt,
                                                 std::string_view preset) {
    if (Quitting())
        return std::nullopt;
    nameQuestion_ = {std::string(caption), std::string(prompt)};
    char* answer = JsAskName(PageTextIn(caption).c_str(), PageTextIn(prompt).c_str(),
                             PageText(preset).c_str());
    nameQuestion_.reset();
    if (answer == nullptr)
        return std::nullopt;
    std::string name = Utf8ToShiftJis(answer);
    std::free(answer);
    return name;
}

void PageFrontend::CareerEnds(const GameState& state) {
    SaveTopTen(state);
    Face().call<void>("fileWritten", std::string("Rank.txt"));
}

emscripten::val PageFrontend::TextsShown() const {
    const Language language = PageLanguage();
    emscripten::val texts = emscripten::val::object();
    texts.set("paper",
              paper_.empty() ? std::string() : NewspaperIn(language, paper_, KnownNames(*state_)));
    texts.set("tacticName", tacticName_ ? ShownName(language, *tacticName_) : std::string());
    texts.set("tacticAge",
              tacticName_ ? TacticAgeLineIn(language, {*tacticName_, tacticAge_}) : std::string());
    emscripten::val report = emscripten::val::array();
    if (report_ != ReportShown::None) {
        const ReportLines lines =
            ReportLinesIn(language, report_ == ReportShown::Opponent
                                        ? OpponentReportPieces(*state_)
                                        : CareerReportPieces(*state_, state_->PlayerIndex));
        for (const std::string* line : {&lines.Label3, &lines.Label1, &lines.Label2, &lines.Label4})
            report.call<void>("push", *line);
    }
    texts.set("report", report);
    texts.set("day", day_ ? DayCaptionIn(language, *day_) : std::string());
    const auto label = [&](const SideShown& side) {
        return BoutLabelIn(language, BoutSide{side.slot, side.rank, side.name, side.player});
    };
    texts.set("east", bout_ ? label(bout_->first) : std::string());
    texts.set("west", bout_ ? label(bout_->second) : std::string());
    texts.set("nameCaption",
              nameQuestion_ ? Translate(language, PageText(nameQuestion_->first)) : std::string());
    texts.set("namePrompt",
              nameQuestion_ ? Translate(language, PageText(nameQuestion_->second)) : std::string());
    return texts;
}

}  // namespace kelmar::web
