#include <gtest/gtest.h>

#include "basho/procedures.h"
#include "state/strings.h"
#include "support/scripted_frontend.h"

namespace kelmar {
namespace {

using testing::ScriptedFrontend;

// Two computer rikishi in slots 10 and 12 with 5 wins (no parity terms).
GameState Pair(int east = 10, int west = 12) {
    GameState s;
    for (int i = 1; i <= kSlots; ++i) {
        s.NameOfWres[i] = "力士" + IntToStr(i) + "07";
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

TEST(ResolveBout, ParityTermsSlotBonusAndFloor) {
    // E 100 east (slot 28: +1) against E 0 west; parity applied per side.
    struct Case {
        int32_t eastW, westW, underdog, leader;
        int32_t eastStrength, westStrength;
    } cases[] = {
        {5, 5, 10, 20, 101, 2},  // neither term
        {4, 5, 10, 20, 111, 2},  // fewer than 5 wins: + UnderdogBonus
        {7, 5, 10, 20, 81, 2},   // more than 6 wins: - LeaderPenalty
        {5, 4, -8, 20, 101, 2},  // a negative bonus, then the floor of 2
        {5, 4, 30, 20, 101, 30},
    };
    for (const auto& c : cases) {
        GameState s = Pair(28, 12);
        ScriptedFrontend fe(s);
        s.Pw[28] = s.Pw[12] = 9;
        s.E[28] = 100;
        s.W[28] = c.eastW, s.W[12] = c.westW;
        s.UnderdogBonus = c.underdog, s.LeaderPenalty = c.leader;
        for (uint32_t seed : {1u, 2u, 3u, 4u, 5u}) {
            s.Rng.state = seed;
            const auto draws = Replay(seed, c.eastStrength + c.westStrength);
            const int32_t w28 = s.W[28];
            const auto result = ResolveBout(s, fe);
            EXPECT_EQ(result.winner == Side::East, draws.outcome <= c.eastStrength);
            s.W[28] = w28, s.W[12] = c.westW;
        }
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
    EXPECT_EQ(fe.calls[0], "AskTactic 力士10 年齢: 22歳");
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
    EXPECT_EQ(TogglePause(s), "再開");
    for (int i = 0; i < 5; ++i) EXPECT_EQ(FilmTick(s).letter, 0);
    EXPECT_EQ(TogglePause(s), "停止");
    EXPECT_EQ(FilmTick(s).letter, 'g');

    s.QuitRequested = 1;
    EXPECT_FALSE(FilmTick(s).show);
    EXPECT_EQ(s.AnimationRunning, 0);
}

}  // namespace
}  // namespace kelmar
