#include "web/page_frontend.h"

#include <emscripten.h>

#include <cstdlib>

#include "basho/procedures.h"
#include "canvas/chart.h"
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

void Report(const ReportLines& lines) {
    JsReport(PageText(lines.Label3).c_str(), PageText(lines.Label1).c_str(),
             PageText(lines.Label2).c_str(), PageText(lines.Label4).c_str());
}

}  // namespace

std::string PageText(std::string_view sjis) {
    return ShiftJisToUtf8(sjis);
}

void ShowError(const std::string& message) {
    Face().call<void>("showError", message);
}

void ShowPixels(const char* canvas, canvas::ConstView picture) {
    const std::vector<uint8_t> rgba = canvas::RgbaBytes(picture);
    JsShowPixels(canvas, rgba.data(), picture.width, picture.height);
}

void ShowChart(const ChartRows& rows) {
    canvas::Picture image(425, 321);
    canvas::DrawChart(rows, image);
    ShowPixels("Chart", image);
}

void PageFrontend::Show(const MainView& view) {
    Face().call<void>("show", view);
}

void PageFrontend::ShowNewspaper(const std::string& page) {
    if (!Quitting())
        JsNewspaper(PageText(page).c_str());
}

void PageFrontend::DayBegins(const DayCard& card) {
    // As the desktop: the caption, the day card, the five pictures of the day
    // (PictureError stops here); the main view then shows btnStop.
    Face().call<void>("dayBegins", PageText(DayCaption(card)));
    canvas::DrawBoutCard(card, board_);
    ShowBoard();
    dayPictures_ = std::make_unique<canvas::DayPictures>(canvas::DayPictures::Load());
}

void PageFrontend::BoutBegins(const BoutStart& bout) {
    dayPictures_->LightLamps(board_, bout.column);
    ShowBoard();
    Face().call<void>("boutBegins", PageText(bout.east.Label()), bout.east.player,
                      PageText(bout.west.Label()), bout.west.player);
}

int32_t PageFrontend::AskTactic(const TacticQuestion& question) {
    if (Quitting())
        return kNoTactic;
    return JsAskTactic(PageText(question.name).c_str(), PageText(TacticAgeLine(question)).c_str());
}

void PageFrontend::ShowOpponentReport(const ReportLines& lines) {
    if (!Quitting())
        Report(lines);
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
            refusal = e.what();
        }
    }
    JsDailyChart(PageText(refusal).c_str());
}

void PageFrontend::ShowCareerReport(const ReportLines& lines) {
    if (!Quitting())
        Report(lines);
}

std::optional<std::string> PageFrontend::AskName(std::string_view caption, std::string_view prompt,
                                                 std::string_view preset) {
    if (Quitting())
        return std::nullopt;
    char* answer =
        JsAskName(PageText(caption).c_str(), PageText(prompt).c_str(), PageText(preset).c_str());
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

}  // namespace kelmar::web
