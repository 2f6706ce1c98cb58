#include "basho/procedures.h"
#include "state/checked_sum.h"
#include "state/shift_jis_literal.h"
#include "state/strings.h"

namespace kelmar {

namespace {

constexpr int32_t kMatchupBonus = 80;

// Kept out of the bout itself, which then needs no room for the message.
[[noreturn, gnu::noinline]] void ThrowStrengthOutOfRange(int64_t range) {
    throw RangeError(MessageWords{wd<"取組の強さ {range} が大きすぎます">,
                                  {{"range", IntToStr(range), {}, {}}}});
}

// The player's own tactic, from the tactic window: asked again after each
// showing of the opponent report; a window closed without a choice keeps
// the tactic of the bout before.
[[gnu::noinline]] int32_t AskThePlayer(GameState& s, int slot, Frontend& frontend) {
    const TacticQuestion question = TacticQuestionOf(s, slot);
    for (;;) {
        const int32_t answer = frontend.AskTactic(question);
        if (answer == kShowOpponentReport && s.QuitRequested == 0) {
            OpenOpponentReport(s, frontend);
            continue;
        }
        if (answer >= 1 && answer <= 3)
            s.SelectedTactic = answer;
        return s.SelectedTactic;
    }
}

// One side's tactic. The draw is made whoever the rikishi is, so a bout with
// the player draws the same numbers as one without him.
//
// Here and in the rest of the bout, comparisons are summed or multiplied
// rather than branched on: they turn on random draws, and a processor
// guessing at them guesses wrong half the time. Written with plain ifs, each
// of the four (the tactic, the matchup bonus, the terms of the strength, the
// winner) costs a simulated basho 6 to 15 % more time, and all four 40 %.
inline int32_t ChooseTactic(GameState& s, int slot, Frontend& frontend) {
    const int32_t d = s.Rng.Draw(9) + 1;
    if (s.IsPlayerSlot(slot)) [[unlikely]]
        return AskThePlayer(s, slot, frontend);
    const int64_t power = s.Pw[slot];
    // Code 1 up to Pw, code 2 up to Pw + Sp, code 3 beyond.
    const int32_t beyondPower = d > power;
    const int32_t beyondSpeed = d > power + s.Sp[slot];
    return 1 + beyondPower + (beyondPower & beyondSpeed);
}

inline int64_t Strength(const GameState& s, int slot, int32_t bonus) {
    int64_t strength = static_cast<int64_t>(s.E[slot]) + bonus;
    if (slot > 27)
        strength += 1;
    const int32_t wins = s.W[slot];
    // The underdog's bonus below 5 wins, the leader's penalty above 6.
    strength += (wins < 5) * int64_t{s.UnderdogBonus};
    strength -= (wins > 6) * int64_t{s.LeaderPenalty};
    return strength < 2 ? 2 : strength;
}

}  // namespace

BoutResult ResolveBout(GameState& s, Frontend& frontend) {
    const int east = s.EastSlot;
    const int west = s.WestSlot;
    // Reach both records first: a slot outside the league fails before any draw.
    (void)s.W[east];
    (void)s.W[west];
    const int32_t eastTactic = ChooseTactic(s, east, frontend);
    const int32_t westTactic = ChooseTactic(s, west, frontend);

    // The matchup: east gets the bonus when d is 1 or -2, west when it is -1 or 2.
    const int64_t d = static_cast<int64_t>(eastTactic) - westTactic;
    const int32_t eastBonus = ((d == 1) | (d == -2)) * kMatchupBonus;
    const int32_t westBonus = ((d == -1) | (d == 2)) * kMatchupBonus;

    const int64_t eastStrength = Strength(s, east, eastBonus);
    const int64_t westStrength = Strength(s, west, westBonus);
    const int64_t range = eastStrength + westStrength;
    if (range > INT32_MAX) [[unlikely]]
        ThrowStrengthOutOfRange(range);
    const int32_t r = s.Rng.Draw(static_cast<int32_t>(range));

    const bool eastWins = r <= eastStrength;
    const int winner = eastWins * east + !eastWins * west;
    const int loser = eastWins * west + !eastWins * east;
    // A record at the edge of 32 bits is refused before any of it is written.
    const int32_t wins = CheckedSum(s.W[winner], 1, "W", winner);
    const int32_t careerWins = CheckedSum(s.Twin[winner], 1, "Twin", winner);
    const int32_t careerLosses = CheckedSum(s.Tlose[loser], 1, "Tlose", loser);
    s.W[winner] = wins;
    s.Twin[winner] = careerWins;
    s.Tlose[loser] = careerLosses;
    return BoutResult{eastWins ? Side::East : Side::West,
                      eastWins * eastTactic + !eastWins * westTactic, eastTactic, westTactic};
}

}  // namespace kelmar
