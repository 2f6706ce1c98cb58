#include <gtest/gtest.h>

#include "basho/procedures.h"
#include "state/picture_sheet.h"
#include "state/shift_jis_literal.h"
#include "state/strings.h"
#include "support/game_error.h"
#include "support/scripted_frontend.h"

namespace kelmar {
namespace {

using testing::GameErrorOf;
using testing::ScriptedFrontend;

// Two computer rikishi in slots 10 and 12 with 5 wins (no parity terms).
GameState Pair(int east = 10, int west = 12) {
    GameState s;
    for (int i = 1; i <= kSlots; ++i) {
        s.NameOfWres[i] = sj<"力士"> + IntToStr(i) + "07";
        s.Stage[i] = "5";
        s.Age[i] = 25;
        s.W[i] = 5;
    }
    s.EastSlot = east;
    s.WestSlot = west;
    return s;
}

// The draws a bout makes from a given state, replayed on a copy.
struct Draws {
    int32_t east, west, outcome;
};
Draws Replay(uint32_t seed, int32_t range) {
    Random r;
    r.state = seed;
    const int32_t e = r.Draw(9) + 1;
    const int32_t w = r.Draw(9) + 1;
    return {e, w, r.Draw(range)};
}

TEST(ResolveBout, TacticCircleGivesTheBonus) {
    // Pw decides: D <= Pw is code 1; Pw 9 always 1, Pw 0 & Sp 9 always 2; 0/0 always 3.
    struct Case {
        int eastPw, eastSp, westPw, westSp;
        int32_t eastStrength, westStrength;
    } cases[] = {
        {0, 9, 9, 0, 80, 2},  // east 2 beats west 1
        {9, 0, 0, 0, 80, 2},  // east 1 beats west 3
        {0, 0, 9, 0, 2, 80},  // west 1 beats east 3
        {9, 0, 9, 0, 2, 2},   // equal tactics: no bonus
    };
    for (const auto& c : cases) {
        for (uint32_t seed : {0u, 7u, 99u}) {
            GameState s = Pair();
            ScriptedFrontend fe(s);
            s.Pw[10] = c.eastPw, s.Sp[10] = c.eastSp, s.Pw[12] = c.westPw, s.Sp[12] = c.westSp;
            s.Rng.state = seed;
            const auto draws = Replay(seed, c.eastStrength + c.westStrength);
            const BoutResult result = ResolveBout(s, fe);
            const bool eastWins = draws.outcome <= c.eastStrength;
            EXPECT_EQ(result.winner == Side::East, eastWins) << c.eastPw << c.westPw << seed;
        }
    }
}

TEST(ResolveBout, EqualWeakSidesGiveEastThreeChancesInFour) {
    int eastWins = 0;
    for (uint32_t seed = 0; seed < 4000; ++seed) {
        GameState s = Pair();
        ScriptedFrontend fe(s);
        s.Pw[10] = s.Pw[12] = 9;  // both code 1
        s.Rng.state = seed;
        const auto draws = Replay(seed, 4);
        const auto result = ResolveBout(s, fe);
        EXPECT_EQ(result.winner == Side::East, draws.outcome <= 2);
        Random replay;
        replay.state = seed;
        replay.Draw(9);
        replay.Draw(9);
        replay.Draw(4);
        EXPECT_EQ(s.Rng.state, replay.state) << "exactly three draws";
        eastWins += result.winner == Side::East;
    }
    EXPECT_NEAR(eastWins / 4000.0, 0.75, 0.03);
}

// Each case puts the outcome draw between two thresholds: that of the
// strengths the rules give and that of the strengths a fault would give (the
// term left out, or given where it does not belong). The winner then tells
// the two apart.
TEST(ResolveBout, ParityTermsSlotBonusAndFloor) {
    struct Case {
        const char* term;
        int east;  // the east slot; west is slot 12
        int32_t eastE, westE, eastW, westW, underdog, leader;
        int32_t eastStrength, westStrength;  // as the rules give them
        int32_t faultyEast, faultyWest;
    } cases[] = {
        {"slot 28 gets +1", 28, 10, 10, 5, 5, 10, 20, 11, 10, 10, 10},
        {"slot 27 gets nothing", 27, 10, 10, 5, 5, 10, 20, 10, 10, 11, 10},
        {"4 wins: + UnderdogBonus", 10, 10, 10, 4, 5, 10, 20, 20, 10, 10, 10},
        {"5 wins: no UnderdogBonus", 10, 10, 10, 5, 5, 10, 20, 10, 10, 20, 10},
        {"west's 4 wins: his UnderdogBonus", 10, 10, 10, 5, 4, 30, 20, 10, 40, 10, 10},
        {"7 wins: - LeaderPenalty", 10, 30, 10, 7, 5, 10, 20, 10, 10, 30, 10},
        {"6 wins: no LeaderPenalty", 10, 30, 10, 6, 5, 10, 20, 30, 10, 10, 10},
        {"a floor of 2 under a low E", 10, 10, -5, 5, 5, 10, 20, 10, 2, 10, -5},
        {"the floor after a negative bonus", 10, 10, 10, 4, 5, -20, 20, 2, 10, -10, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.term);
        GameState s = Pair(c.east, 12);
        ScriptedFrontend fe(s);
        s.Pw[c.east] = s.Pw[12] = 9;  // both play 1: no matchup bonus
        s.E[c.east] = c.eastE, s.E[12] = c.westE;
        s.W[c.east] = c.eastW, s.W[12] = c.westW;
        s.UnderdogBonus = c.underdog, s.LeaderPenalty = c.leader;
        uint32_t seed = 0;
        bool eastWins = false;
        for (;; ++seed) {
            ASSERT_LT(seed, 10000u) << "no draw between the two thresholds";
            eastWins = Replay(seed, c.eastStrength + c.westStrength).outcome <= c.eastStrength;
            if (eastWins != (Replay(seed, c.faultyEast + c.faultyWest).outcome <= c.faultyEast))
                break;
        }
        s.Rng.state = seed;
        EXPECT_EQ(ResolveBout(s, fe).winner == Side::East, eastWins) << "seed " << seed;
    }
}

TEST(ResolveBout, PlayerEastSeesTheWindowBetweenTheDrawsAndRecordsAreWritten) {
    GameState s = Pair();
    s.Age[10] = 122;
    s.Pw[12] = 9;  // west plays 1
    ScriptedFrontend fe(s);
    fe.tactic = 2;  // beats 1
    s.Rng.state = 5;
    const auto draws = Replay(5, 80 + 2);
    const auto result = ResolveBout(s, fe);
    ASSERT_EQ(fe.calls.size(), 1u);
    EXPECT_EQ(fe.calls[0], sj<"AskTactic 力士10 年齢: 22歳">);
    EXPECT_EQ(result.winner == Side::East, draws.outcome <= 80);
    const int winner = result.winner == Side::East ? 10 : 12;
    const int loser = 22 - winner;
    EXPECT_EQ(s.W[winner], 6);
    EXPECT_EQ(s.Twin[winner], 1);
    EXPECT_EQ(s.Tlose[loser], 1);
    EXPECT_EQ(s.W[loser], 5);
    EXPECT_EQ(s.Tlose[winner], 0);
}

TEST(ResolveBout, ClosedWindowKeepsTheLastTactic) {
    // SelectedTactic 0 against code 2 gains the bonus (difference -2).
    GameState s = Pair();
    s.Age[10] = 122;
    s.Sp[12] = 9;  // west plays 2
    ScriptedFrontend fe(s);
    fe.tactic.reset();
    s.Rng.state = 11;
    const auto draws = Replay(11, 80 + 2);
    const auto result = ResolveBout(s, fe);
    EXPECT_EQ(s.SelectedTactic, 0);
    EXPECT_EQ(result.winner == Side::East, draws.outcome <= 80);
}

TEST(DayCard, PairsAreReadByPosition) {
    GameState s;
    s.Match[1] = "01320216" + std::string(56, '0');
    EXPECT_EQ(DayCardPair(s, 1, 1).east, 1);
    EXPECT_EQ(DayCardPair(s, 1, 1).west, 32);
    EXPECT_EQ(DayCardPair(s, 1, 2).east, 2);
    EXPECT_EQ(DayCardPair(s, 1, 2).west, 16);
    s.Match[2] = " 5 6";
    EXPECT_EQ(DayCardPair(s, 2, 1).east, 5);
    EXPECT_THROW(DayCardPair(s, 2, 2), ConversionError);  // a short line
}

// The card as the rules read it, field by field: both slots of a pair, then
// the east figure, then the west.
DayCard CardFieldByField(const GameState& s) {
    DayCard card;
    for (int i = 1; i <= kBoutsADay; ++i) {
        const DayPair slots = DayCardPair(s, s.Torikumiday, i);
        CardPair& pair = card.pairs[static_cast<size_t>(i - 1)];
        pair.eastSlot = slots.east;
        pair.westSlot = slots.west;
        for (const auto& [slot, portrait] :
             {std::pair{slots.east, &pair.eastPortrait}, {slots.west, &pair.westPortrait}}) {
            *portrait = SheetPortraitNumber(s.NameOfWres[slot]);
            if (!sheet::HasFigure(*portrait))
                ThrowNoPortraitCell(*portrait);
        }
    }
    return card;
}

TEST(DayCard, EveryFormOfFieldAndNameReadsAsFieldByField) {
    // Fields and portrait digits the quick reading takes, and others it must
    // leave to the full one: spaces, signs, hexadecimal, slots outside the
    // league, numbers without a figure, names too short for their digits.
    const char* const fields[] = {"01", "32", "17", " 5", "+4", "$A", "00", "33", "x1", "-1"};
    const char* const endings[] = {"07", "72", "01", " 9", "$8", "00", "73", "99", "9x"};
    Random pick;
    int quick = 0;
    for (int run = 0; run < 3000; ++run) {
        GameState s;
        s.Torikumiday = 1 + pick.Draw(kDays);
        const bool plain = run % 2 == 0;  // half the runs keep to the quick forms
        for (int i = 1; i <= kSlots; ++i) {
            const int ending = plain ? pick.Draw(3) : pick.Draw(40) == 0 ? 3 + pick.Draw(6) : 0;
            s.NameOfWres[i] = pick.Draw(50) == 0 ? "7" : sj<"力士"> + std::string(endings[ending]);
        }
        std::string line;
        for (int f = 0; f < 2 * kBoutsADay; ++f) {
            const int field = plain || pick.Draw(20) != 0 ? pick.Draw(3) : 3 + pick.Draw(7);
            line += fields[field];
        }
        if (!plain && pick.Draw(10) == 0)
            line.resize(pick.Draw(static_cast<int32_t>(line.size())));
        s.Match[s.Torikumiday] = line;

        const std::string expected = GameErrorOf([&] { CardFieldByField(s); });
        ASSERT_EQ(GameErrorOf([&] { DayCardOf(s); }), expected) << line;
        if (expected != "no error")
            continue;
        ++quick;
        const DayCard card = DayCardOf(s);
        const DayCard reference = CardFieldByField(s);
        for (size_t k = 0; k < kBoutsADay; ++k) {
            EXPECT_EQ(card.pairs[k].eastSlot, reference.pairs[k].eastSlot) << line;
            EXPECT_EQ(card.pairs[k].westSlot, reference.pairs[k].westSlot) << line;
            EXPECT_EQ(card.pairs[k].eastPortrait, reference.pairs[k].eastPortrait) << line;
            EXPECT_EQ(card.pairs[k].westPortrait, reference.pairs[k].westPortrait) << line;
        }
    }
    EXPECT_GT(quick, 1000);  // most cards are whole
}

TEST(FilmTick, PlaysTheTableAndHonoursPauseAndQuit) {
    GameState s;
    s.AnimationFrames = "afg";
    s.AnimationRunning = 1;
    std::string shown;
    for (int tick = 1; tick <= 7; ++tick) {
        const FilmAction a = FilmTick(s);
        EXPECT_TRUE(a.show);
        shown += a.letter ? a.letter : '-';
        EXPECT_EQ(a.hide, tick == 7);
    }
    EXPECT_EQ(shown, "aafg-g-");
    EXPECT_EQ(s.AnimationRunning, 0);
    EXPECT_EQ(s.AnimationStep, 0);

    // Idle, and a pause between bouts, show nothing.
    EXPECT_FALSE(FilmTick(s).show);
    s.Paused = 1;
    EXPECT_FALSE(FilmTick(s).show);

    // A pause at the third tick holds the picture of letter 2.
    s.Paused = 0;
    s.AnimationRunning = 1;
    FilmTick(s), FilmTick(s), FilmTick(s);
    EXPECT_EQ(TogglePause(s), sj<"再開">);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(FilmTick(s).letter, 0);
    EXPECT_EQ(TogglePause(s), sj<"停止">);
    EXPECT_EQ(FilmTick(s).letter, 'g');

    s.QuitRequested = 1;
    EXPECT_FALSE(FilmTick(s).show);
    EXPECT_EQ(s.AnimationRunning, 0);
}

}  // namespace
}  // namespace kelmar
