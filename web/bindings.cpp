// The game in the browser: the player's commands (core/game/) as the page's
// core module offers them to web/core.mjs, the views as plain values (embind)
// with their texts in UTF-8. The commands that run a basho, the confirm (and
// 次へ) and the resume, are the C functions web_confirm and web_resume, called
// asynchronously: the basho waits for the player inside them at the face's
// moments. Every other function returns at once and may be called while a
// basho waits (the menu, the film's timer, the pause button).
#include <emscripten.h>
#include <emscripten/bind.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/scoreboard.h"
#include "game/game.h"
#include "game/saved_game_trial.h"
#include "game/views_in_language.h"
#include "lang/catalogue.h"
#include "lang/language.h"
#include "lang/pictures.h"
#include "state/encoding.h"
#include "state/errors.h"
#include "state/help_file.h"
#include "state/stepped_clock.h"
#include "web/page_frontend.h"
#include "web/record_log.h"

namespace kelmar::web {

namespace {

using emscripten::val;

// The folder of the game's files in the page's memory: the data files are
// embedded there, the pictures and the kept Kelmar.ini and Rank.txt are put
// there by the page before the game starts.
constexpr const char* kGameFolder = "/game";
constexpr const char* kEnglishHelp = "Kelmar-en.hlp";

struct Page {
    GameState state;
    PageFrontend face;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<Game> game;
    // The new-career panel as last handed over, worded again when the
    // language changes: JuryoList's names and NameLabel's pick.
    std::vector<std::string> panelNames;
    std::optional<PickView> panelPick;
};

Page& ThePage() {
    static Page page;
    return page;
}

// After Start.
Game& TheGame() {
    return *ThePage().game;
}

// Every command runs through this guard: a game error ends it and is shown in
// the game's message box, as on the desktop.
template <typename Command>
bool Guarded(Command command) {
    try {
        command();
        return true;
    } catch (const std::exception& e) {
        ShowError(PageErrorText(e));
    }
    return false;
}

// A view's member that is a game text, read by the page as its own text.
template <typename View, std::string View::*member>
std::string TextOf(const View& view) {
    return PageText(view.*member);
}
template <typename View, std::string View::*member>
void SetText(View& view, std::string text) {
    view.*member = Utf8ToShiftJis(text);
}

template <typename View, std::string View::*member>
void TextField(emscripten::value_object<View>& object, const char* name) {
    object.field(name, &TextOf<View, member>, &SetText<View, member>);
}

template <typename Texts, typename Shown>
val PageTexts(const Texts& texts, Shown shown) {
    val list = val::array();
    for (const std::string& text : texts) list.call<void>("push", shown(text));
    return list;
}

// The panel's figures, the name label in the page's language.
val PickShown(const PickView& pick) {
    val shown(pick);
    shown.set("name", PickNameIn(PageLanguage(), pick));
    return shown;
}

// The page's language by its code ("ja", "en"); false for one it lacks.
bool SetLanguage(std::string code) {
    const std::optional<Language> language = LanguageOfCode(code);
    if (language)
        PageLanguage() = *language;
    return language.has_value();
}

// The page is loaded: the rules' clock (the time of day, or START + k*STEP
// when the address asks for one), and the top ten from Rank.txt when the
// browser keeps one. A browser that keeps none starts with the empty table,
// without the message of a missing file: nothing was lost.
void Start(bool stepped, double start, double step, bool topTenKept) {
    Page& page = ThePage();
    // Emscripten starts with the file mask 0777: the saves would be written
    // with no permission and could not be read back.
    ::umask(022);
    if (::chdir(kGameFolder) != 0)
        ShowError("the game folder is missing");
    if (stepped)
        page.clock =
            std::make_unique<SteppedClock>(static_cast<int64_t>(start), static_cast<int64_t>(step));
    else
        page.clock = std::make_unique<SystemClock>();
    page.game = std::make_unique<Game>(page.state, page.face, *page.clock);
    page.face.Attach(*page.game, page.state);
    AttachRecord(*page.game, page.state);
    Guarded([&] { page.game->Start(topTenKept); });
}

val View() {
    return MainViewShown(TheGame().View());
}

// KN1: {names, blank}, or null after the error's message.
val NewGame() {
    val shown = val::null();
    Guarded([&] {
        const NewGameView view = TheGame().NewGame();
        ThePage().panelNames = view.names;
        ThePage().panelPick = view.blank;
        shown = val::object();
        shown.set("names", PageTexts(view.names, PageName));
        shown.set("blank", PickShown(view.blank));
    });
    return shown;
}

// JuryoList's entry 1..27: the panel's pick, or null.
val Pick(int entry) {
    std::optional<PickView> pick;
    Guarded([&] { pick = TheGame().Pick(entry); });
    if (pick)
        ThePage().panelPick = pick;
    return pick ? PickShown(*pick) : val::null();
}

bool Save() {
    return Guarded([] { TheGame().Save(); });
}

void SetPractice(bool on) {
    TheGame().SetPractice(on);
}

void SetAnimation(bool on) {
    TheGame().SetAnimation(on);
}

// btnStop: the new caption comes with the main view.
void TogglePause() {
    TheGame().TogglePause();
}

void Quit() {
    TheGame().Quit();
}

// Timer1: the frame of the step is shown in Image1 first; one that cannot be
// read is reported and the film goes on, its step already counted.
FilmAction Tick() {
    const FilmAction action = TheGame().Tick();
    if (action.letter != 0)
        Guarded([&] { ShowPixels("Image1", canvas::FilmFrame(action.letter)); });
    return action;
}

bool FilmRuns() {
    return TheGame().FilmRuns();
}

bool PauseHolds() {
    return TheGame().PauseHolds();
}

bool BashoRunning() {
    return TheGame().BashoRunning();
}

// KB1: the chart of the league as it stands drawn in frmStage's image;
// false after the error's message.
bool Chart() {
    return Guarded([] { ShowChart(TheGame().Chart()); });
}

// The language changed while frmStage is open: its picture from the other
// sheet; false after the error's message.
bool ChartAgain() {
    return Guarded([] { ShowChartAgain(); });
}

// The title picture of the page's language, a file of the game folder.
std::string TitlePicture() {
    return TitlePictureIn(PageLanguage());
}

std::string ChartTitlesText() {
    return ChartTitlesIn(PageLanguage());
}

// KT2: {names, scores}, the ten lines of each.
val TopTen() {
    const TopTenView view = TopTenViewIn(PageLanguage(), TheGame().TopTen());
    val shown = val::object();
    const auto asItIs = [](const std::string& text) { return text; };
    shown.set("names", PageTexts(view.names, asItIs));
    shown.set("scores", PageTexts(view.scores, asItIs));
    return shown;
}

// KP1: the help file's topics, {number, title, paragraphs: [[span, ...],
// ...]} each; null after the error's message.
val Help() {
    val topics = val::null();
    Guarded([&] {
        // The help in English is a file of its own beside Kelmar.hlp.
        const HelpFile file = PageLanguage() == Language::Japanese
                                  ? TheGame().Help()
                                  : ReadHelpFile(std::string(kGameFolder) + "/" + kEnglishHelp);
        topics = val::array();
        for (const HelpTopic& topic : file.topics) {
            val paragraphs = val::array();
            for (const HelpParagraph& paragraph : topic.paragraphs) {
                val spans = val::array();
                for (const HelpSpan& span : paragraph) spans.call<void>("push", span);
                paragraphs.call<void>("push", spans);
            }
            val shown = val::object();
            shown.set("number", topic.number);
            shown.set("title", PageText(topic.title));
            shown.set("paragraphs", paragraphs);
            topics.call<void>("push", shown);
        }
    });
    return topics;
}

// The film's paces, {name, caption} each, the standard pace first.
val FilmPaces() {
    val paces = val::array();
    for (const FilmPaceChoice& choice : kFilmPaces) {
        val shown = val::object();
        shown.set("name", std::string(choice.name));
        shown.set("caption", FilmPaceCaptionIn(PageLanguage(), choice));
        paces.call<void>("push", shown);
    }
    return paces;
}

std::string FilmPaceOf(std::string name) {
    return NameOfFilmPace(FilmPaceNamed(name));
}

int TickIntervalOf(std::string pace, int standardMs) {
    return TickInterval(FilmPaceNamed(pace), standardMs);
}

// The bitmaps the page puts into the game folder, as the build ships them.
val PictureFiles() {
    val names = val::array();
    std::string_view list = KELMAR_PAGE_PICTURES;
    while (!list.empty()) {
        const size_t comma = list.find(',');
        names.call<void>("push", std::string(list.substr(0, comma)));
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    }
    return names;
}

void ClearBoard() {
    ThePage().face.ClearBoard();
}

// 保存ファイルの読み込み: the saved game Kelmar.ini of `folder` (a scratch
// folder that holds the data files and the pictures too) tried up to its
// first bout; the game's error that refuses it, or null. The running game is
// untouched.
val ImportRefusal(std::string folder) {
    const std::optional<std::string> refusal = SavedGameRefusal(folder);
    return refusal ? val(PageTextIn(*refusal)) : val::null();
}

// The new-career panel in the language now: {names, name}, or null before
// any panel.
val PanelTexts() {
    const Page& page = ThePage();
    if (!page.panelPick)
        return val::null();
    val shown = val::object();
    shown.set("names", PageTexts(page.panelNames, PageName));
    shown.set("name", PickNameIn(PageLanguage(), *page.panelPick));
    return shown;
}

val TextsShown() {
    val texts = val::null();
    Guarded([&] { texts = ThePage().face.TextsShown(); });
    return texts;
}

}  // namespace

EMSCRIPTEN_BINDINGS(kelmar_page) {
    using emscripten::function;
    emscripten::value_object<MainView> mainView("MainView");
    mainView.field("newGame", &MainView::newGame)
        .field("save", &MainView::save)
        .field("chart", &MainView::chart)
        .field("practiceItem", &MainView::practiceItem)
        .field("practice", &MainView::practice)
        .field("animation", &MainView::animation)
        .field("panel", &MainView::panel)
        .field("confirmShown", &MainView::confirmShown)
        .field("confirm", &MainView::confirm)
        .field("next", &MainView::next)
        .field("stop", &MainView::stop)
        .field("scoreShown", &MainView::scoreShown);
    TextField<MainView, &MainView::confirmCaption>(mainView, "confirmCaption");
    TextField<MainView, &MainView::stopCaption>(mainView, "stopCaption");
    TextField<MainView, &MainView::score>(mainView, "score");

    emscripten::value_object<PickView> pick("PickView");
    TextField<PickView, &PickView::name>(pick, "name");
    TextField<PickView, &PickView::age>(pick, "age");
    pick.field("power", &PickView::power)
        .field("speed", &PickView::speed)
        .field("skill", &PickView::skill);

    emscripten::value_object<HelpSpan> span("HelpSpan");
    TextField<HelpSpan, &HelpSpan::text>(span, "text");
    span.field("link", &HelpSpan::link);

    emscripten::value_object<FilmAction>("FilmAction")
        .field("show", &FilmAction::show)
        .field("hide", &FilmAction::hide);

    emscripten::constant("kNoTactic", kNoTactic);
    emscripten::constant("kShowOpponentReport", kShowOpponentReport);

    function("setLanguage", &SetLanguage);
    function("textsShown", &TextsShown);
    function("panelTexts", &PanelTexts);
    function("start", &Start);
    function("view", &View);
    function("newGame", &NewGame);
    function("pick", &Pick);
    function("save", &Save);
    function("setPractice", &SetPractice);
    function("setAnimation", &SetAnimation);
    function("togglePause", &TogglePause);
    function("quit", &Quit);
    function("tick", &Tick);
    function("filmRuns", &FilmRuns);
    function("pauseHolds", &PauseHolds);
    function("bashoRunning", &BashoRunning);
    function("chart", &Chart);
    function("chartTitles", &ChartTitlesText);
    function("chartAgain", &ChartAgain);
    function("titlePicture", &TitlePicture);
    function("topTen", &TopTen);
    function("help", &Help);
    function("filmPaces", &FilmPaces);
    function("filmPaceOf", &FilmPaceOf);
    function("tickInterval", &TickIntervalOf);
    function("pictureFiles", &PictureFiles);
    function("clearBoard", &ClearBoard);
    function("importRefusal", &ImportRefusal);
}

}  // namespace kelmar::web

using kelmar::web::Guarded;
using kelmar::web::TheGame;

extern "C" {

// PlayerOkButton (asynchronous): the league completed and a basho run; 0
// after a game error's message.
EMSCRIPTEN_KEEPALIVE int web_confirm() {
    return Guarded([] { TheGame().Confirm(); }) ? 1 : 0;
}

// KO2 (asynchronous): the saved game read and taken up, and its basho run.
// While a basho runs the rules refuse it at once, before any wait: the page
// then calls it as any other function.
EMSCRIPTEN_KEEPALIVE int web_resume() {
    return Guarded([] { TheGame().Resume(); }) ? 1 : 0;
}

}  // extern "C"

// The runtime stays after main for the page's calls.
int main() {
    return 0;
}
