#include <gtest/gtest.h>

#include "banzuke/procedures.h"
#include "league.h"
#include "state/errors.h"
#include "state/shift_jis_literal.h"
#include "support/fixed_clock.h"

namespace kelmar {
namespace {

using testing::FixedClock;
using testing::JuryoName;
using testing::QuietLeague;
using testing::Shikona;

TEST(RetireAndReplace, PlayersRikishiOnlyEndsHisCareer) {
    GameState s = QuietLeague();
    s.Age[31] = 101;
    s.Rng.state = 99;
    const GameState before = s;
    FixedClock clock(12345);
    RetireAndReplace(s, 31, clock);
    EXPECT_EQ(s.PlayerRetired, 1);
    EXPECT_EQ(s.PlayerIndex, 31);
    s.PlayerRetired = 0;
    s.PlayerIndex = 0;
    EXPECT_EQ(s.Rng.state, 99u) << "no reseed, no draw";
    EXPECT_EQ(s.NameOfWres, before.NameOfWres);
    EXPECT_EQ(s.Age, before.Age);
    EXPECT_EQ(s.Juryo, before.Juryo);
    EXPECT_EQ(s.JuryoDropList, "");
    EXPECT_EQ(clock.reads, 0);
}

// The draws from the clock's seed: juryo entries until one is neither the
// player's pick nor the leaver, then age, power and speed.
TEST(RetireAndReplace, NewcomerFromTheReseededGenerator) {
    struct Case {
        const char* rule;
        int32_t millisecond;
        bool leaverInPool;  // the leaver's own name sits in entry 21
        int entry;
        int32_t age, pw, sp, tc;
    } cases[] = {
        {"the first draw is taken", 12345, false, 11, 21, 1, 5, 4},
        {"the player's pick is drawn again", 31, false, 21, 22, 4, 4, 2},
        {"the player's pick and the leaver's own name are drawn again", 31, true, 13, 22, 6, 3, 1},
    };
    for (const auto& c : cases) {
        GameState s = QuietLeague();
        const int slot = 5;
        if (c.leaverInPool)
            s.Juryo[21] = Shikona(slot);
        s.E[slot] = 20, s.Pnt[slot] = 40, s.W[slot] = 9, s.L[slot] = 9, s.LB[slot] = 9;
        s.Saiko[slot] = "2", s.Zaii[slot] = 30, s.Yusyo[slot] = 2;
        s.Twin[slot] = 50, s.Tlose[slot] = 40;
        const std::string drawn = s.Juryo[c.entry];
        FixedClock clock(c.millisecond);
        RetireAndReplace(s, slot, clock);
        SCOPED_TRACE(c.rule);
        EXPECT_EQ(clock.reads, 1);
        EXPECT_EQ(s.NameOfWres[slot], drawn);
        EXPECT_EQ(s.Juryo[c.entry], Shikona(slot)) << "the leaver's full shikona, digits too";
        EXPECT_EQ(s.Age[slot], c.age);
        EXPECT_EQ(s.Pw[slot], c.pw);
        EXPECT_EQ(s.Sp[slot], c.sp);
        EXPECT_EQ(s.Tc[slot], c.tc);
        EXPECT_EQ(s.Pnt[slot], 6);
        EXPECT_EQ(s.E[slot], 0);
        EXPECT_EQ(s.W[slot], 0);
        EXPECT_EQ(s.L[slot], 0);
        EXPECT_EQ(s.LB[slot], 0);
        EXPECT_EQ(s.Stage[slot], "5");
        EXPECT_EQ(s.Saiko[slot], "6");
        EXPECT_EQ(s.Zaii[slot], 0);
        EXPECT_EQ(s.Yusyo[slot], 0);
        EXPECT_EQ(s.Twin[slot], 0);
        EXPECT_EQ(s.Tlose[slot], 0);
        EXPECT_EQ(s.Intai, sj<"、力士5">);
    }
}

TEST(RetireAndReplace, AbilitiesAlwaysAddUpToTen) {
    for (int32_t ms = 0; ms < 3000; ++ms) {
        GameState s = QuietLeague();
        FixedClock clock(ms);
        RetireAndReplace(s, 31, clock);
        ASSERT_GE(s.Age[31], 20);
        ASSERT_LE(s.Age[31], 25);
        ASSERT_GE(s.Pw[31], 1);
        ASSERT_LE(s.Pw[31], 8);
        ASSERT_GE(s.Sp[31], 1);
        ASSERT_GE(s.Tc[31], 1);
        ASSERT_EQ(s.Pw[31] + s.Sp[31] + s.Tc[31], 10);
        if (s.Pw[31] == 8) {
            ASSERT_EQ(s.Sp[31], 1);
        }
    }
}

TEST(RetireAndReplace, RetiredAndDroppedAreListedByRankInSlotOrder) {
    GameState s = QuietLeague();
    FixedClock clock(1);
    for (int slot : {1, 2, 31, 32}) {
        clock.millisecond = slot * 1000;
        RetireAndReplace(s, slot, clock);
    }
    EXPECT_EQ(s.Intai, sj<"、力士1、力士2">);
    EXPECT_EQ(s.JuryoDropList, sj<"、力士31、力士32">);
}

TEST(RetireAndReplace, SameTickBringsTheFirstLeaverStraightBack) {
    GameState s = QuietLeague();
    FixedClock clock(12345);
    RetireAndReplace(s, 31, clock);
    RetireAndReplace(s, 32, clock);
    EXPECT_EQ(s.NameOfWres[31], JuryoName(11));
    EXPECT_EQ(s.NameOfWres[32], Shikona(31));
    EXPECT_EQ(s.Juryo[11], Shikona(32));
    EXPECT_EQ(s.Age[32], s.Age[31]);
    EXPECT_EQ(s.Pw[32], s.Pw[31]);
    EXPECT_EQ(s.Sp[32], s.Sp[31]);
}

TEST(RetireAndReplace, PoolWithoutAnyOtherNameIsRefusedInsteadOfDrawingForever) {
    GameState s = QuietLeague();
    for (int k = 1; k <= kJuryo; ++k) s.Juryo[k] = k % 2 ? s.PlayersWres : Shikona(7);
    FixedClock clock(5);
    EXPECT_THROW(RetireAndReplace(s, 7, clock), RangeError);
    EXPECT_EQ(s.NameOfWres[7], Shikona(7));
}

}  // namespace
}  // namespace kelmar
