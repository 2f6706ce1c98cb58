// The player's commands. Every command a face offers (the menu, the
// new-career panel, the board's buttons, the timer of the film) is one
// procedure here, the same for the desktop's windows, the page and the
// simulator: it changes the game state and hands back what the face shows,
// as plain data. No face writes the game state; each shows the views.
//
// A Game is bound to its face, the Frontend through which every basho shows
// itself. Whenever what the main window shows around the board changes (a
// command, a day begun or ended, a basho ended), the face is told with
// Frontend::Show(MainView), after the moment it belongs to.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "basho/procedures.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/help_file.h"
#include "state/roster.h"

namespace kelmar {

// Book-keeping beside the game that the commands tell what the player does:
// the career record. It never changes the game state.
class CareerLog {
  public:
    virtual ~CareerLog() = default;
    // New game: the running career is abandoned.
    virtual void NewGame() = 0;
    // The saved game on disk has been read and is being resumed.
    virtual void Resuming() = 0;
    // These bytes are about to be written as the saved game.
    virtual void Saving(std::string_view savedGame) = 0;
    // The Frontend a basho runs through: it hands every moment on to `face`.
    virtual Frontend& Through(Frontend& face) = 0;
};

// The new-career panel: the name label and the three figures after a pick
// (or blank, as New game shows it). Texts are the game's (Shift-JIS).
struct PickView {
    std::string name;  // NameLabel, "しこな：" and the display name
    std::string age;   // AgeLabel1: the age as shown, "20"
    int32_t power = 0;
    int32_t speed = 0;
    int32_t skill = 0;
    bool operator==(const PickView&) const = default;
};

// What New game shows: JuryoList's entries and the blank panel.
struct NewGameView {
    std::vector<std::string> names;
    PickView blank;
};

// The top-ten window: the ten name lines (" 1 " and the name) and the ten
// score lines ("123 てん"), first place first.
struct TopTenView {
    std::array<std::string, kPlaces> names;
    std::array<std::string, kPlaces> scores;
};

// The film's pace, an option beside the rules: the time between two ticks of
// the film's timer. A film keeps its steps and pictures at every pace.
enum class FilmPace { Standard, Fast, VeryFast };
struct FilmPaceChoice {
    FilmPace pace;
    const char* caption;  // its menu item, UTF-8, "&" before the access key
    const char* name;     // as the faces keep it
    int divisor;          // of the standard interval
};
inline constexpr std::array<FilmPaceChoice, 3> kFilmPaces = {{
    {FilmPace::Standard, "標準(&1)", "standard", 1},
    {FilmPace::Fast, "速い(&2)", "fast", 2},
    {FilmPace::VeryFast, "とても速い(&3)", "veryFast", 4},
}};
// The timer's interval at `pace`, given its interval at the standard pace;
// never below 1 ms.
int TickInterval(FilmPace pace, int standardMs);
// The pace kept under `name`; the standard pace for anything else.
FilmPace FilmPaceNamed(std::string_view name);
const char* NameOfFilmPace(FilmPace pace);

// lblMyP's caption at New game, and the banzuke chart's column titles.
std::string ChartTitles();

class Game {
  public:
    // The data files are read from `files`: the disk, unless a headless run
    // hands over a source of its own. `log` may be null.
    Game(GameState& state, Frontend& face, Clock& clock, LeagueFiles& files = DiskLeagueFiles(),
         CareerLog* log = nullptr);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    void SetLog(CareerLog* log) { log_ = log; }

    // What the main window shows around the board now.
    const MainView& View() const { return view_; }

    // The program starts: no league yet, and the top ten read from
    // "Rank.txt" when `readTopTen` (its error leaves the table as far as it
    // was read). Raises what LoadTopTen raises.
    void Start(bool readTopTen = true);

    // KN1: a new career. The juryo names for JuryoList and the blank panel;
    // a file that cannot be read raises its error, and the panel stays shut.
    NewGameView NewGame();
    // JuryoList: juryo entry `entry` (1..27) picked, the player's rikishi
    // drawn afresh. Anything outside the list picks nothing: nullopt.
    std::optional<PickView> Pick(int entry);
    // PlayerOkButton: the confirm of a new career, and "次へ" between two
    // basho. The league completed, then a whole basho run through the face.
    void Confirm();
    // KS1: "Kelmar.ini" written, the log told first.
    void Save();
    // KO2: the saved game read and taken up, then its basho run through the
    // face. Refused by the rules while a basho runs.
    void Resume();
    // KT1 and K1: the practice level (10 or 0 for the next pick) and the
    // animation switch (every bout with a film is filmed).
    void SetPractice(bool on);
    void SetAnimation(bool on);
    // btnStop: paused, or going on; btnStop's new caption.
    std::string TogglePause();
    // KQ1, or the window closed: a running basho skips what is left of it.
    void Quit();
    // One tick of the film's timer. (Inline: a headless player ticks every
    // film of its bouts to its end.)
    FilmAction Tick() { return FilmTick(state_); }
    // KB1: the chart of the league as it stands.
    ChartRows Chart() const;
    // KT2: the top ten.
    TopTenView TopTen() const;
    // The tactic window's Button4, while the tactic is asked: the opponent
    // report shown through the face (ShowOpponentReport), modal over it.
    void OpponentReport();
    // KP1: the help file of the game folder. Raises what reading it raises.
    HelpFile Help() const;

    // The waits of the face's moments.
    bool BashoRunning() const { return state_.BashoRunning; }
    // A filmed bout waits while this holds.
    bool FilmRuns() const { return state_.AnimationRunning != 0; }
    // A paused day waits while this holds.
    bool PauseHolds() const { return state_.Paused != 0 && state_.QuitRequested == 0; }
    // No modal window opens once this holds.
    bool Quitting() const { return state_.QuitRequested != 0; }

    // The simulator's seed of the generator, before its first pick.
    void Seed(uint32_t seed);

  private:
    class Moments;
    void Changed();
    void RunTheBasho();

    GameState& state_;
    Frontend& face_;
    Clock& clock_;
    LeagueFiles& files_;
    CareerLog* log_;
    MainView view_;
};

}  // namespace kelmar
