#include "game/game.h"

#include <algorithm>

#include "banzuke/procedures.h"
#include "basho/new_career.h"
#include "state/saved_game.h"
#include "state/shift_jis_literal.h"
#include "state/strings.h"
#include "state/text_file.h"
#include "state/top_ten.h"

namespace kelmar {

namespace {

constexpr int32_t kPracticeLevel = 10;
constexpr const char* kPlaceLabels[kPlaces] = {" 1 ", " 2 ", " 3 ", " 4 ", " 5 ",
                                               " 6 ", " 7 ", " 8 ", " 9 ", "10 "};

const FilmPaceChoice& ChoiceOf(FilmPace pace) {
    return kFilmPaces[static_cast<size_t>(pace)];
}
static_assert(kFilmPaces[1].pace == FilmPace::Fast && kFilmPaces[2].pace == FilmPace::VeryFast);

PickView BlankPick() {
    return PickView{sj<"しこな：">, "0", 0, 0, 0};
}

}  // namespace

int TickInterval(FilmPace pace, int standardMs) {
    return std::max(1, standardMs / ChoiceOf(pace).divisor);
}

FilmPace FilmPaceNamed(std::string_view name) {
    for (const FilmPaceChoice& choice : kFilmPaces)
        if (name == choice.name)
            return choice.pace;
    return FilmPace::Standard;
}

const char* NameOfFilmPace(FilmPace pace) {
    return ChoiceOf(pace).name;
}

std::string ChartTitles() {
    return sj<"番付 四股名  勝敗  経験値  番付 四股名  勝敗  経験値">;
}

// The moments of a basho as the commands see them: each is handed on to the
// face (through the log), and what it changes of the main view is shown
// after it, so that a moment that fails changes nothing of the view.
class Game::Moments : public ForwardingFrontend {
  public:
    Moments(Game& game, Frontend& inner) : ForwardingFrontend(inner), game_(game) {}

    void DayBegins(const DayCard& card) override {
        inner().DayBegins(card);
        MainView& v = game_.view_;
        v.stop = true;
        v.newGame = false;
        v.practiceItem = false;
        game_.Changed();
    }
    void DayEnds() override {
        inner().DayEnds();
        MainView& v = game_.view_;
        v.stop = false;
        v.newGame = true;
        v.practiceItem = true;
        game_.Changed();
    }
    void BashoEnds(int32_t score) override {
        MainView& v = game_.view_;
        v.score = ScoreCaption(score);
        v.confirmShown = true;
        v.confirm = true;
        v.chart = true;
        v.save = true;
        game_.Changed();
        inner().BashoEnds(score);
    }

  private:
    Game& game_;
};

Game::Game(GameState& state, Frontend& face, Clock& clock, LeagueFiles& files, CareerLog* log)
    : state_(state), face_(face), clock_(clock), files_(files), log_(log) {
    view_.confirmCaption = "Ok";
    view_.stopCaption = sj<"停止">;
    view_.practice = state_.Omake == kPracticeLevel;
    view_.animation = state_.AnimationSwitch;
}

void Game::Changed() {
    face_.Show(view_);
}

void Game::Start(bool readTopTen) {
    state_.RosterLoaded = 0;
    if (readTopTen)
        LoadTopTen(state_);
}

NewGameView Game::NewGame() {
    view_.score = ScoreCaption(0);
    Changed();
    NewGameView shown;
    shown.names = kelmar::NewGame(state_, files_);  // MyP is 0 from here
    if (log_ != nullptr)
        log_->NewGame();
    shown.blank = BlankPick();
    view_.panel = true;
    view_.confirmShown = true;
    view_.confirm = false;
    view_.next = false;
    view_.confirmCaption = "Ok";
    Changed();
    return shown;
}

std::optional<PickView> Game::Pick(int entry) {
    // Only the open panel's list can be picked from.
    if (!view_.panel || entry < 1 || entry > kJuryo)
        return std::nullopt;
    PickJuryo(state_, entry, clock_);
    const int p = kPlayerEntrySlot;
    PickView pick;
    pick.name = sj<"しこな："> + DisplayName(state_.Juryo[entry]);
    // The stored age carries the player's mark: 120 shows as "20".
    pick.age = IntToStr(state_.Age[p]).substr(1, 2);
    pick.power = state_.Pw[p];
    pick.speed = state_.Sp[p];
    pick.skill = state_.Tc[p];
    view_.confirm = true;
    Changed();
    return pick;
}

void Game::RunTheBasho() {
    Frontend& through = log_ != nullptr ? log_->Through(face_) : face_;
    Moments moments(*this, through);
    RunBasho(state_, moments, clock_, files_);
}

void Game::Confirm() {
    view_.panel = false;
    view_.confirmShown = false;
    view_.confirm = false;
    view_.chart = false;
    view_.save = false;
    Changed();
    CompleteLeague(state_, files_);  // a file that cannot be read ends the confirm here
    view_.next = true;
    view_.confirmCaption = sj<"次へ">;
    view_.scoreShown = true;
    Changed();
    RunTheBasho();
}

void Game::Save() {
    const IniFile save = ComposeSavedGame(state_);
    if (log_ != nullptr)
        log_->Saving(save.Bytes());
    save.Flush();
}

void Game::Resume() {
    // LoadGame in its two steps, each shown as soon as it is done. A game
    // resumed while the new-career panel is open closes the whole panel, as a
    // confirm does: a pick must not write into the resumed league.
    const bool practice = ReadSavedGame(state_);
    if (log_ != nullptr)
        log_->Resuming();
    view_.panel = false;
    view_.confirmShown = false;
    view_.confirm = false;
    view_.practice = practice;
    Changed();
    view_.score = TakeUpSavedGame(state_);
    view_.scoreShown = true;
    Changed();
    RunTheBasho();
}

void Game::SetPractice(bool on) {
    state_.Omake = on ? kPracticeLevel : 0;
    view_.practice = on;
    Changed();
}

void Game::SetAnimation(bool on) {
    state_.AnimationSwitch = on;
    view_.animation = on;
    Changed();
}

std::string Game::TogglePause() {
    std::string caption = kelmar::TogglePause(state_);
    view_.stopCaption = caption;
    Changed();
    return caption;
}

void Game::Quit() {
    state_.QuitRequested = 1;
}

ChartRows Game::Chart() const {
    return ChartRowsOf(state_);
}

TopTenView Game::TopTen() const {
    TopTenView view;
    for (int r = 0; r < kPlaces; ++r) {
        view.names[static_cast<size_t>(r)] = kPlaceLabels[r] + state_.TopTenNames[r + 1];
        view.scores[static_cast<size_t>(r)] = IntToStr(state_.TopTenScores[r + 1]) + sj<" てん">;
    }
    return view;
}

void Game::OpponentReport() {
    OpenOpponentReport(state_, face_);
}

HelpFile Game::Help() const {
    return ReadHelpFile(GameFolderPath("Kelmar.hlp"));
}

void Game::Seed(uint32_t seed) {
    state_.Rng.state = seed;
}

}  // namespace kelmar
