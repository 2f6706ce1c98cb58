#include "web/page_frontend.h"

#include <cstdio>

#include "basho/procedures.h"
#include "canvas/chart.h"
#include "state/encoding.h"
#include "state/errors.h"
#include "state/top_ten.h"

namespace kelmar::web {

namespace {

// The page's side of each moment (web/kelmar.js, object Kelmar). The waits
// return when the player has answered; `Kelmar.wait` keeps the promise.
// clang-format off
EM_JS(void, JsMoment, (const char* name, const char* json), {
    Kelmar.moment(UTF8ToString(name), JSON.parse(UTF8ToString(json)));
});
EM_JS(void, JsShowPixels, (const char* canvas, const uint8_t* rgba, int width, int height), {
    Kelmar.showPixels(UTF8ToString(canvas), HEAPU8.slice(rgba, rgba + width * height * 4), width, height);
});
EM_ASYNC_JS(int, JsWait, (const char* name, const char* json), {
    return await Kelmar.wait(UTF8ToString(name), JSON.parse(UTF8ToString(json)));
});
EM_ASYNC_JS(char*, JsAskName, (const char* json), {
    const answer = await Kelmar.wait("AskName", JSON.parse(UTF8ToString(json)));
    if (answer === null) return 0;
    const size = lengthBytesUTF8(answer) + 1;
    const text = _malloc(size);
    stringToUTF8(answer, text, size);
    return text;
});
// clang-format on

int Wait(const char* name, const std::string& json) {
    return JsWait(name, json.c_str());
}

std::string SideJson(const BoutSide& side) {
    return "{\"slot\":" + std::to_string(side.slot) + ",\"label\":" + QuotedGame(side.Label()) +
           ",\"player\":" + (side.player ? "true" : "false") + "}";
}

}  // namespace

void Moment(const char* name, const std::string& json) {
    JsMoment(name, json.c_str());
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

std::string Quoted(std::string_view utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string QuotedGame(std::string_view sjis) {
    return Quoted(ShiftJisToUtf8(sjis));
}

std::string ReportJson(const ReportLines& lines) {
    return "[" + QuotedGame(lines.Label3) + "," + QuotedGame(lines.Label1) + "," +
           QuotedGame(lines.Label2) + "," + QuotedGame(lines.Label4) + "]";
}

void PageFrontend::ShowNewspaper(const std::string& page) {
    if (state_.QuitRequested == 0)
        Wait("ShowNewspaper", "{\"page\":" + QuotedGame(page) + "}");
}

void PageFrontend::DayBegins(const DayCard& card) {
    // As the desktop: the caption, the day card, the five pictures of the day
    // (PictureError stops here), then btnStop and the menu.
    Moment("DayCaption", "{\"caption\":" + QuotedGame(DayCaption(card)) + "}");
    canvas::DrawBoutCard(card, board_);
    ShowBoard();
    dayPictures_ = std::make_unique<canvas::DayPictures>(canvas::DayPictures::Load());
    Moment("DayBegins", "{}");
}

void PageFrontend::BoutBegins(const BoutStart& bout) {
    dayPictures_->LightLamps(board_, bout.column);
    ShowBoard();
    Moment("BoutBegins",
           "{\"east\":" + SideJson(bout.east) + ",\"west\":" + SideJson(bout.west) + "}");
}

int32_t PageFrontend::AskTactic(const TacticQuestion& question) {
    if (state_.QuitRequested != 0)
        return kNoTactic;
    // The window stays open over the opponent report (Button4, answer 4);
    // 0 closes it without a choice.
    return Wait("AskTactic", "{\"name\":" + QuotedGame(question.name) +
                                 ",\"age\":" + QuotedGame(TacticAgeLine(question)) + "}");
}

void PageFrontend::ShowOpponentReport(const ReportLines& lines) {
    if (state_.QuitRequested == 0)
        Wait("ShowOpponentReport", "{\"lines\":" + ReportJson(lines) + "}");
}

void PageFrontend::BoutFought(const BoutOutcome& outcome) {
    // The film runs on the page's timer, which ticks the core (web_film_tick)
    // until AnimationRunning is 0; the wait ends then.
    if (outcome.filmed && state_.AnimationRunning != 0)
        Wait("RunFilm", "{}");
    if (outcome.film != nullptr) {
        dayPictures_->DrawTechnique(board_, outcome.column, outcome.winnerTactic);
        ShowBoard();
    }
    dayPictures_->PutOutLamp(board_, outcome.column, outcome.Loser());
    ShowBoard();
}

void PageFrontend::Paused() {
    if (state_.Paused != 0 && state_.QuitRequested == 0)
        Wait("Paused", "{}");
}

void PageFrontend::DayEnds() {
    dayPictures_.reset();
    Moment("DayEnds", "{}");
}

void PageFrontend::ClearBoard() {
    canvas::ClearBoard(board_);
    ShowBoard();
}

void PageFrontend::ShowDailyChart(const DailyChart& chart) {
    if (state_.QuitRequested != 0)
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
    Wait("ShowDailyChart", "{\"refusal\":" + QuotedGame(refusal) + "}");
}

void PageFrontend::BashoEnds(int32_t score) {
    Moment("BashoEnds", "{\"caption\":" + QuotedGame(ScoreCaption(score)) + "}");
}

void PageFrontend::ShowCareerReport(const ReportLines& lines) {
    if (state_.QuitRequested == 0)
        Wait("ShowCareerReport", "{\"lines\":" + ReportJson(lines) + "}");
}

std::optional<std::string> PageFrontend::AskName(std::string_view caption, std::string_view prompt,
                                                 std::string_view preset) {
    if (state_.QuitRequested != 0)
        return std::nullopt;
    char* answer = JsAskName((std::string("{\"caption\":") + QuotedGame(caption) + ",\"prompt\":" +
                              QuotedGame(prompt) + ",\"preset\":" + QuotedGame(preset) + "}")
                                 .c_str());
    if (answer == nullptr)
        return std::nullopt;
    std::string name = Utf8ToShiftJis(answer);
    std::free(answer);
    return name;
}

void PageFrontend::CareerEnds(const GameState& state) {
    SaveTopTen(state);
    Moment("FileWritten", "{\"name\":\"Rank.txt\"}");
}

}  // namespace kelmar::web
