// The game in the browser: the core's procedures behind the functions the
// page's script calls (web/kelmar.js). The script calls web_confirm and
// web_resume asynchronously: a basho runs inside them and waits for the
// player at the Frontend's moments. The other functions return at once and
// may be called while a basho waits (the menu, the timer of the film, the
// pause button).
#include <emscripten.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "banzuke/procedures.h"
#include "basho/new_career.h"
#include "basho/procedures.h"
#include "canvas/scoreboard.h"
#include "state/encoding.h"
#include "state/errors.h"
#include "state/game_state.h"
#include "state/help_file.h"
#include "state/saved_game.h"
#include "state/stepped_clock.h"
#include "state/strings.h"
#include "state/text_file.h"
#include "state/top_ten.h"
#include "web/page_frontend.h"

namespace kelmar::web {

namespace {

// The folder of the game's files in the page's memory: the data files are
// embedded there, Kelmar.ini and Rank.txt are put there from the browser's
// storage before the game starts and taken back after each write.
constexpr const char* kGameFolder = "/game";

// clang-format off
EM_JS(void, JsShowError, (const char* message), {
    Kelmar.showError(UTF8ToString(message));
});
// clang-format on

struct Game {
    GameState state;
    PageFrontend frontend{state};
    std::unique_ptr<Clock> clock;
};

Game& TheGame() {
    static Game game;
    return game;
}

// The text handed back to the script, valid until the next call.
const char* Answer(std::string text) {
    static std::string answer;
    answer = std::move(text);
    return answer.c_str();
}

// Every handler runs through this guard: a game error ends the handler and is
// shown in the game's message box, as on the desktop.
template <typename Handler>
bool Guarded(Handler handler) {
    try {
        handler();
        return true;
    } catch (const GameError& e) {
        JsShowError(ShiftJisToUtf8(e.what()).c_str());
    } catch (const std::exception& e) {
        JsShowError(e.what());
    }
    return false;
}

}  // namespace

}  // namespace kelmar::web

using namespace kelmar;
using namespace kelmar::web;

extern "C" {

// The page is loaded: the rules' clock (the time of day, or START + k*STEP
// when the address asks for one) and the top ten from Rank.txt. A browser
// that keeps no Rank.txt yet starts with the empty table, without the
// message of a missing file: nothing was lost.
EMSCRIPTEN_KEEPALIVE void web_start(int stepped, double start, double step, int topTenKept) {
    Game& game = TheGame();
    // Emscripten starts with the file mask 0777: the saves would be written
    // with no permission and could not be read back.
    ::umask(022);
    if (::chdir(kGameFolder) != 0)
        JsShowError("the game folder is missing");
    if (stepped)
        game.clock =
            std::make_unique<SteppedClock>(static_cast<int64_t>(start), static_cast<int64_t>(step));
    else
        game.clock = std::make_unique<SystemClock>();
    game.state.RosterLoaded = 0;
    if (topTenKept)
        Guarded([&] { LoadTopTen(game.state); });
}

// KN1Click: the juryo names for JuryoList, as a JSON array; null on an error.
EMSCRIPTEN_KEEPALIVE const char* web_new_game() {
    std::string json = "null";
    Guarded([&] {
        const std::vector<std::string> names = NewGame(TheGame().state);
        json = "[";
        for (const std::string& name : names)
            json += (json.size() > 1 ? "," : "") + QuotedGame(name);
        json += "]";
    });
    return Answer(json);
}

// JuryoListClick with entry k (1..27): the panel's name and figures.
EMSCRIPTEN_KEEPALIVE const char* web_pick(int k) {
    std::string json = "null";
    Guarded([&] {
        Game& game = TheGame();
        if (k < 1 || k > kJuryo)
            return;
        PickJuryo(game.state, k, *game.clock);
        const int p = kPlayerEntrySlot;
        // The stored age carries the player's mark: 120 shows as "20".
        json = "{\"name\":" + QuotedGame(DisplayName(game.state.Juryo[k])) +
               ",\"age\":" + QuotedGame(IntToStr(game.state.Age[p]).substr(1, 2)) +
               ",\"pw\":" + std::to_string(game.state.Pw[p]) +
               ",\"sp\":" + std::to_string(game.state.Sp[p]) +
               ",\"tc\":" + std::to_string(game.state.Tc[p]) + "}";
    });
    return Answer(json);
}

// PlayerOkButtonClick (asynchronous): the league completed and a basho run.
// Returns 1 when the league step went through (the button says 次へ).
EMSCRIPTEN_KEEPALIVE int web_confirm() {
    Game& game = TheGame();
    bool completed = false;
    Guarded([&] {
        CompleteLeague(game.state);
        completed = true;
        Moment("LeagueCompleted", "{}");
        RunBasho(game.state, game.frontend, *game.clock);
    });
    return completed ? 1 : 0;
}

// KS1Click: Kelmar.ini written.
EMSCRIPTEN_KEEPALIVE int web_save() {
    return Guarded([] { SaveGame(TheGame().state); }) ? 1 : 0;
}

// KO2Click, its first part: the saved game read and taken up; 1 when it was,
// and web_run_basho then runs its basho. Refused by the rules while a basho
// runs.
EMSCRIPTEN_KEEPALIVE int web_read_saved_game() {
    Game& game = TheGame();
    return Guarded([&] {
        // LoadGame in its two steps, each shown as soon as it is done.
        const bool practice = ReadSavedGame(game.state);
        Moment("SavedGameRead",
               std::string("{\"practice\":") + (practice ? "true" : "false") + "}");
        const std::string caption = TakeUpSavedGame(game.state);
        Moment("SavedGameTakenUp", "{\"caption\":" + QuotedGame(caption) + "}");
    })
               ? 1
               : 0;
}

// KO2Click, its second part (asynchronous): the resumed game's basho.
EMSCRIPTEN_KEEPALIVE void web_run_basho() {
    Game& game = TheGame();
    Guarded([&] { RunBasho(game.state, game.frontend, *game.clock); });
}

// Timer1Timer: bit 0 show Image1, bit 1 hide it, bit 2 the film still runs.
// The frame of the step is shown in Image1 first; one that cannot be read is
// reported and the film goes on, its step already counted.
EMSCRIPTEN_KEEPALIVE int web_film_tick() {
    GameState& state = TheGame().state;
    const FilmAction action = FilmTick(state);
    if (action.letter != 0)
        Guarded([&] { ShowPixels("Image1", canvas::FilmFrame(action.letter)); });
    return (action.show ? 1 : 0) | (action.hide ? 2 : 0) | (state.AnimationRunning ? 4 : 0);
}

// btnStopClick: btnStop's new caption; whether the game is now paused is
// web_paused().
EMSCRIPTEN_KEEPALIVE const char* web_toggle_pause() {
    return Answer(ShiftJisToUtf8(TogglePause(TheGame().state)));
}

EMSCRIPTEN_KEEPALIVE int web_paused() {
    return TheGame().state.Paused;
}

EMSCRIPTEN_KEEPALIVE int web_animation_running() {
    return TheGame().state.AnimationRunning;
}

// KT1Click and K1Click.
EMSCRIPTEN_KEEPALIVE void web_set_practice(int on) {
    TheGame().state.Omake = on ? 10 : 0;
}

EMSCRIPTEN_KEEPALIVE void web_set_animation(int on) {
    TheGame().state.AnimationSwitch = on != 0;
}

// KQ1Click: a running basho sees the flag and skips what is left.
EMSCRIPTEN_KEEPALIVE void web_quit() {
    TheGame().state.QuitRequested = 1;
}

EMSCRIPTEN_KEEPALIVE int web_basho_running() {
    return TheGame().state.BashoRunning ? 1 : 0;
}

// KB1Click: the chart of the league as it stands drawn in frmStage's image;
// 0 after the error's message.
EMSCRIPTEN_KEEPALIVE int web_chart() {
    return Guarded([] { ShowChart(ChartRowsOf(TheGame().state)); }) ? 1 : 0;
}

// KN1Click's first step: the blank board.
EMSCRIPTEN_KEEPALIVE void web_clear_board() {
    TheGame().frontend.ClearBoard();
}

// KT2Click: the ten places, [name, score] each.
EMSCRIPTEN_KEEPALIVE const char* web_top_ten() {
    const GameState& state = TheGame().state;
    std::string json = "[";
    for (int r = 1; r <= kPlaces; ++r)
        json += std::string(r > 1 ? "," : "") + "[" + QuotedGame(state.TopTenNames[r]) + "," +
                std::to_string(state.TopTenScores[r]) + "]";
    return Answer(json + "]");
}

// KP1Click: the help file's topics, {number, title, paragraphs: [[[text,
// link], ...], ...]} each; null after the error's message.
EMSCRIPTEN_KEEPALIVE const char* web_help() {
    std::string json = "null";
    Guarded([&] {
        const HelpFile file = ReadHelpFile(GameFolderPath("Kelmar.hlp"));
        json = "[";
        for (const HelpTopic& topic : file.topics) {
            if (json.size() > 1)
                json += ",";
            json += "{\"number\":" + std::to_string(topic.number) +
                    ",\"title\":" + QuotedGame(topic.title) + ",\"paragraphs\":[";
            bool firstParagraph = true;
            for (const HelpParagraph& paragraph : topic.paragraphs) {
                json += firstParagraph ? "[" : ",[";
                firstParagraph = false;
                bool firstSpan = true;
                for (const HelpSpan& span : paragraph) {
                    json += (firstSpan ? "[" : ",[") + QuotedGame(span.text) + "," +
                            std::to_string(span.link) + "]";
                    firstSpan = false;
                }
                json += "]";
            }
            json += "]}";
        }
        json += "]";
    });
    return Answer(json);
}

}  // extern "C"

// The runtime stays after main for the page's calls.
int main() {
    return 0;
}
