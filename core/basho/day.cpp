#include "basho/procedures.h"
#include "state/rank.h"
#include "state/strings.h"

namespace kelmar {

namespace {

// The film of a win: by winner (east, west) and the winner's tactic 1..3.
constexpr const char* kFilms[2][3] = {{"ahi", "ajk", "alm"}, {"abc", "ade", "afg"}};

const char* FilmFor(Side winner, int32_t tactic) {
    if (tactic < 1 || tactic > 3)
        return nullptr;
    return kFilms[winner == Side::East ? 0 : 1][tactic - 1];
}

}  // namespace

BoutSide BoutSideOf(const GameState& s, int slot) {
    BoutSide side;
    side.slot = slot;
    side.rank = RankWord(StrToInt(s.Stage[slot]));
    side.name = DisplayNameView(s.NameOfWres[slot]);
    side.player = s.IsPlayerSlot(slot);
    return side;
}

void PlayDay(GameState& s, Frontend& frontend) {
    const DayCard card = DayCardOf(s);
    frontend.DayBegins(card);
    // Nobody reads the name labels of an unwatched player's bouts, so they
    // are not made; but a rank code that is no number stops the bout all the
    // same, east before west, as setting the labels would.
    const bool watched = frontend.Watched();
    for (int bout = 1; bout <= kBoutsADay; ++bout) {
        const CardPair& pair = card.pairs[static_cast<size_t>(bout - 1)];
        s.EastSlot = pair.eastSlot;
        s.WestSlot = pair.westSlot;
        if (watched) {
            frontend.BoutBegins(
                BoutStart{bout, BoutSideOf(s, s.EastSlot), BoutSideOf(s, s.WestSlot)});
        } else {
            static_cast<void>(StrToInt(s.Stage[s.EastSlot]));
            static_cast<void>(StrToInt(s.Stage[s.WestSlot]));
        }

        s.AnimationStep = 0;
        const bool playerBout = s.IsPlayerSlot(s.EastSlot) || s.IsPlayerSlot(s.WestSlot);
        const BoutResult result = ResolveBout(s, frontend);
        BoutOutcome outcome{bout,
                            s.EastSlot,
                            s.WestSlot,
                            result.winner,
                            result.tactic,
                            result.eastTactic,
                            result.westTactic,
                            FilmFor(result.winner, result.tactic)};
        // The player's own bouts are always filmed; the others when the
        // animation switch is on.
        if (outcome.film != nullptr && (s.AnimationSwitch || playerBout)) {
            s.AnimationFrames = outcome.film;
            s.AnimationRunning = 1;
            outcome.filmed = true;
        }
        frontend.BoutFought(outcome);

        if (s.Paused && !s.QuitRequested)
            frontend.Paused();
        if (s.QuitRequested)
            return;  // the program is closing
    }
    frontend.DayEnds();
}

}  // namespace kelmar
