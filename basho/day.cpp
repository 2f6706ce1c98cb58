#include <array>

#include "basho/procedures.h"
#include "state/strings.h"

namespace kelmar {

namespace {

constexpr std::array<const char*, 5> kRankWords = {"横綱", "大関", "関脇", "小結", "前頭"};

// The film of a win: by winner (east, west) and the winner's tactic 1..3.
constexpr const char* kFilms[2][3] = {{"ahi", "ajk", "alm"}, {"abc", "ade", "afg"}};

const char* FilmFor(Side winner, int32_t tactic) {
    if (tactic < 1 || tactic > 3)
        return nullptr;
    return kFilms[winner == Side::East ? 0 : 1][tactic - 1];
}

}  // namespace

BoutLabel BoutLabelFor(const GameState& s, int slot) {
    BoutLabel label;
    const int32_t code = StrToInt(s.Stage[slot]);
    if (code >= 1 && code <= 5)
        label.text = kRankWords[static_cast<size_t>(code - 1)];
    label.text += DisplayName(s.NameOfWres[slot]);
    label.player = s.IsPlayerSlot(slot);
    return label;
}

void PlayDay(GameState& s, Frontend& frontend) {
    frontend.DayStarted();
    for (int bout = 1; bout <= 16; ++bout) {
        frontend.LightLamps(bout);
        const DayPair pair = DayCardPair(s, s.Torikumiday, bout);
        s.EastSlot = pair.east;
        s.WestSlot = pair.west;
        frontend.SetBoutNames(BoutLabelFor(s, s.EastSlot), BoutLabelFor(s, s.WestSlot));

        s.AnimationStep = 0;
        const bool playerBout = s.IsPlayerSlot(s.EastSlot) || s.IsPlayerSlot(s.WestSlot);
        const BoutResult result = ResolveBout(s, frontend);
        const char* film = FilmFor(result.winner, result.tactic);
        if (film != nullptr && (frontend.AnimationSwitchOn() || playerBout)) {
            s.AnimationFrames = film;
            s.AnimationRunning = 1;
            frontend.WaitForFilm();
        }
        if (film != nullptr)
            frontend.DrawTechnique(bout, result.tactic);
        frontend.PutOutLamp(bout, result.winner == Side::East ? Side::West : Side::East);

        if (s.Paused && !s.QuitRequested)
            frontend.WaitWhilePaused();
        if (s.QuitRequested)
            return;  // the program is closing
    }
    frontend.DayEnded();
}

}  // namespace kelmar
