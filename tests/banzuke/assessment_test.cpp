#include <gtest/gtest.h>

#include <climits>

#include "banzuke/procedures.h"
#include "league.h"
#include "state/errors.h"
#include "state/shift_jis_literal.h"
#include "support/fixed_clock.h"

namespace kelmar {
namespace {

using testing::FixedClock;
using testing::QuietLeague;
using testing::Shikona;
using testing::StateGiving;

struct RowCase {
    const char* rule;
    const char* stage;
    int slot;
    int32_t w, l, lb, e;
    // expected
    int32_t pnt, eAfter, lAfter, lbAfter;
    const char* stageAfter;
};

// The rows of the assessment, their win bands and the 0-win case. Everybody
// is 25 with no bouts, so the common steps leave these values alone.
TEST(AssessBasho, RankRowsAndWinBands) {
    const RowCase cases[] = {
        {"yokozuna with 0 wins keeps his rank", "1", 1, 0, 9, 9, 40, 45, 40, 9, 9, "1"},
        {"yokozuna 8..10: E + 1", "1", 1, 10, 9, 9, 40, 55, 41, 9, 9, "1"},
        {"yokozuna 11..15: E + 2, above 50 becomes 50", "1", 1, 15, 9, 9, 49, 60, 50, 9, 9, "1"},
        {"yokozuna E below 30 becomes 30", "1", 1, 8, 9, 9, 10, 53, 30, 9, 9, "1"},
        {"ozeki with 0 wins: no band", "2", 2, 0, 3, 4, 40, 30, 40, 0, 3, "2"},
        {"ozeki with 7 wins after 8 or more: E - 8", "2", 2, 7, 8, 2, 40, 37, 32, 7, 8, "2"},
        {"ozeki E below 23 becomes 23", "2", 2, 7, 8, 2, 25, 37, 23, 7, 8, "2"},
        {"ozeki 8..10: E - 1", "2", 2, 9, 8, 2, 40, 39, 39, 9, 8, "2"},
        {"ozeki 11 wins and L + LB = 22 becomes yokozuna (sum 33)", "2", 2, 11, 11, 11, 25, 47, 35,
         11, 11, "1"},
        {"ozeki 11 wins and L + LB = 21 stays (sum 32)", "2", 2, 11, 11, 10, 25, 41, 27, 11, 11,
         "2"},
        {"sekiwake with 0 wins", "3", 3, 0, 8, 8, 10, 15, 10, 0, 8, "3"},
        {"sekiwake 1..7: E - 4 and Pnt - 12", "3", 3, 7, 8, 8, 10, 10, 6, 7, 8, "3"},
        {"sekiwake 8..10: no change", "3", 3, 10, 8, 8, 10, 25, 10, 10, 8, "3"},
        {"sekiwake 11 wins and L + LB = 20 becomes ozeki (sum 31)", "3", 3, 11, 10, 10, 10, 32, 23,
         11, 0, "2"},
        {"sekiwake 11 wins and L + LB = 19 stays (sum 30)", "3", 3, 11, 10, 9, 10, 26, 12, 11, 10,
         "3"},
        {"sekiwake E above 23 becomes 23", "3", 3, 12, 1, 1, 30, 27, 23, 12, 1, "3"},
        {"komusubi with 0 wins", "4", 5, 0, 8, 8, 10, 7, 10, 0, 0, "4"},
        {"komusubi 1..7: E - 4 and Pnt - 4", "4", 5, 1, 8, 8, 10, 4, 6, 1, 0, "4"},
        {"komusubi 8 and 9: no change", "4", 5, 9, 8, 8, 10, 16, 10, 9, 0, "4"},
        {"komusubi 10..15: E + 2", "4", 5, 10, 8, 8, 10, 17, 12, 10, 0, "4"},
        {"maegashira in slots 1..22: W + 2", "5", 22, 8, 8, 8, 5, 10, 5, 8, 0, "5"},
        {"maegashira in slots 23..25: W + 1", "5", 23, 8, 8, 8, 5, 9, 5, 8, 0, "5"},
        {"maegashira in slots 26..32: W and E + 1", "5", 26, 8, 8, 8, 5, 8, 6, 8, 0, "5"},
        {"maegashira in slot 30 with 7 wins stays, E - 1", "5", 30, 7, 8, 8, 5, 7, 5, 7, 0, "5"},
        {"maegashira 10..15: E + 2, above 13 becomes 13", "5", 7, 10, 8, 8, 12, 12, 13, 10, 0, "5"},
        {"maegashira with 0 wins in slot 32 stays", "5", 32, 0, 8, 8, 5, 0, 6, 0, 0, "5"},
        {"a code outside 1..5 has no row", "7", 8, 10, 8, 8, 5, -99, 5, 8, 8, "7"},
    };
    for (const auto& c : cases) {
        GameState s = QuietLeague();
        s.Stage[c.slot] = c.stage;
        s.Saiko[c.slot] = "6";
        s.W[c.slot] = c.w;
        s.L[c.slot] = c.l;
        s.LB[c.slot] = c.lb;
        s.E[c.slot] = c.e;
        s.Pnt[c.slot] = -99;
        FixedClock clock;
        AssessBasho(s, clock);
        SCOPED_TRACE(c.rule);
        EXPECT_EQ(s.Pnt[c.slot], c.pnt);
        EXPECT_EQ(s.E[c.slot], c.eAfter);
        EXPECT_EQ(s.L[c.slot], c.lAfter);
        EXPECT_EQ(s.LB[c.slot], c.lbAfter);
        EXPECT_EQ(s.Stage[c.slot], c.stageAfter);
        EXPECT_EQ(s.NameOfWres[c.slot], Shikona(c.slot)) << "nobody leaves";
        EXPECT_EQ(clock.reads, 0);
    }
}

TEST(AssessBasho, PromotionsAreAnnouncedInSlotOrder) {
    GameState s = QuietLeague();
    for (int slot : {2, 3}) s.Stage[slot] = "2";
    for (int slot : {2, 3}) s.W[slot] = 11, s.L[slot] = 11, s.LB[slot] = 11;
    s.W[4] = 11, s.L[4] = 10, s.LB[4] = 10;  // sekiwake, sum 31
    FixedClock clock;
    AssessBasho(s, clock);
    EXPECT_EQ(s.Ysyoshin, sj<"力士2力士3">);
    EXPECT_EQ(s.Osyoshin, sj<"力士4">);
    EXPECT_EQ(s.Saiko[2], "1");
    EXPECT_EQ(s.Saiko[4], "2");
}

// The kadoban rule: a second losing basho in a row demotes or retires the
// ozeki, by one draw 0..1. The first losing basho costs only experience.
TEST(AssessBasho, KadobanOzekiIsDemotedOrRetiresByTheDraw) {
    {
        GameState s = QuietLeague();
        s.W[2] = 5, s.L[2] = 7, s.LB[2] = 9, s.E[2] = 40;
        s.Rng.state = StateGiving({{2, 0}});
        FixedClock clock;
        AssessBasho(s, clock);
        EXPECT_EQ(s.Stage[2], "3");
        EXPECT_EQ(s.Pnt[2], 31);
        EXPECT_EQ(s.Kanraku, Shikona(2));
        EXPECT_EQ(s.E[2], 32);
        EXPECT_EQ(s.LB[2], 7);
        EXPECT_EQ(s.L[2], 5);
        EXPECT_EQ(s.Saiko[2], "2") << "the best rank stays";
        EXPECT_EQ(s.Intai, "");
    }
    {
        GameState s = QuietLeague();
        s.W[2] = 5, s.L[2] = 7, s.LB[2] = 9, s.E[2] = 40;
        s.Rng.state = StateGiving({{2, 1}});
        FixedClock clock(1234);
        AssessBasho(s, clock);
        EXPECT_EQ(clock.reads, 1);
        EXPECT_EQ(s.Kanraku, "");
        EXPECT_EQ(s.Intai, sj<"、力士2">);
        EXPECT_NE(s.NameOfWres[2], Shikona(2));
        // The newcomer finishes the ozeki's row: E 0 raised to 23.
        EXPECT_EQ(s.Stage[2], "5");
        EXPECT_EQ(s.E[2], 23);
        EXPECT_EQ(s.Pnt[2], 6);
        EXPECT_EQ(s.L[2], 0);
        EXPECT_EQ(s.LB[2], 0);
        EXPECT_EQ(s.Saiko[2], "5");
    }
    {
        GameState s = QuietLeague();
        s.W[2] = 5, s.L[2] = 8;
        s.Rng.state = 777;
        FixedClock clock;
        AssessBasho(s, clock);
        EXPECT_EQ(s.Rng.state, 777u) << "no draw after a winning basho";
        EXPECT_EQ(s.Stage[2], "2");
    }
}

// A newcomer takes over the rest of the leaver's rank row.
TEST(AssessBasho, RetirementInTheMiddleOfARankRow) {
    struct Case {
        const char* rule;
        int slot;
        const char* stage;
        int32_t w;
        int32_t e;
        const char* intai;
        const char* drop;
    } cases[] = {
        {"yokozuna with 1..7 wins retires; newcomer ends with E 30", 1, "1", 7, 30, sj<"、力士1">,
         ""},
        {"maegashira in slot 31 with 7 wins drops out; newcomer ends with E 0", 31, "5", 7, 0, "",
         sj<"、力士31">},
        {"maegashira in slot 32 with 1 win drops out", 32, "5", 1, 0, "", sj<"、力士32">},
    };
    for (const auto& c : cases) {
        GameState s = QuietLeague();
        s.Stage[c.slot] = c.stage;
        s.W[c.slot] = c.w;
        FixedClock clock(5000);
        AssessBasho(s, clock);
        SCOPED_TRACE(c.rule);
        EXPECT_EQ(clock.reads, 1);
        EXPECT_EQ(s.E[c.slot], c.e);
        EXPECT_EQ(s.Pnt[c.slot], 6);
        EXPECT_EQ(s.Stage[c.slot], "5");
        EXPECT_EQ(s.Saiko[c.slot], "5");
        EXPECT_EQ(s.W[c.slot], 0);
        EXPECT_EQ(s.L[c.slot], 0);
        EXPECT_EQ(s.Intai, c.intai);
        EXPECT_EQ(s.JuryoDropList, c.drop);
    }
}

TEST(AssessBasho, PlayersRikishiIsOnlyMarkedRetired) {
    GameState s = QuietLeague();
    s.Age[31] = 124;
    s.W[31] = 3;
    s.E[31] = 4;
    FixedClock clock;
    AssessBasho(s, clock);
    EXPECT_EQ(s.PlayerRetired, 1);
    EXPECT_EQ(s.PlayerIndex, 31);
    EXPECT_EQ(s.NameOfWres[31], Shikona(31));
    EXPECT_EQ(s.E[31], 4) << "his own row goes on: +1, then -1";
    EXPECT_EQ(clock.reads, 0);
}

TEST(AssessBasho, CalendarTurnsTheYearAndAgesEveryone) {
    GameState s = QuietLeague();
    s.Basyo6 = 5;
    s.Age[32] = 121;
    s.Age[10] = 32;
    s.E[10] = 5;
    FixedClock clock;
    AssessBasho(s, clock);
    EXPECT_EQ(s.Basyo6, 0);
    EXPECT_EQ(s.Nengo, 2021);
    EXPECT_EQ(s.Age[1], 26);
    EXPECT_EQ(s.Age[32], 122);
    EXPECT_EQ(s.E[10], 3) << "turned 33 in this assessment: E - 2";

    AssessBasho(s, clock);
    EXPECT_EQ(s.Basyo6, 1);
    EXPECT_EQ(s.Nengo, 2021);
    EXPECT_EQ(s.Age[1], 26);
}

// The common steps that follow every row.
TEST(AssessBasho, CommonSteps) {
    struct Case {
        const char* rule;
        int32_t age, e, twin, tlose, omake;
        const char* stage;
        const char* saiko;
        int32_t eAfter;
        const char* saikoAfter;
    } cases[] = {
        {"player in practice level ends with E 16", 121, 2, 0, 0, 10, "5", "5", 16, "5"},
        {"player in practice level older than 32 ends with 14", 133, 2, 0, 0, 10, "5", "5", 14,
         "5"},
        {"player without practice level", 121, 2, 0, 0, 0, "5", "5", 3, "5"},
        {"age 100 is a computer rikishi", 100, 2, 0, 0, 10, "5", "5", 3, "5"},
        {"negative E with Twin >= Tlose becomes 0", 25, -5, 3, 3, 0, "5", "5", 0, "5"},
        {"negative E with Twin < Tlose stays", 25, -5, 3, 4, 0, "5", "5", -4, "5"},
        {"rikishi of 32 keeps his experience", 32, 2, 0, 0, 0, "5", "5", 3, "5"},
        {"rikishi of 33 loses 2 below the floor", 33, -5, 3, 3, 0, "5", "5", -2, "5"},
        {"best rank is the smaller code", 25, 2, 0, 0, 0, "5", "4", 3, "4"},
        {"a first rank replaces none yet", 25, 2, 0, 0, 0, "5", "6", 3, "5"},
        // Best ranks compare as texts, byte by byte and unsigned.
        {"an equal best rank stays", 25, 2, 0, 0, 0, "5", "5", 3, "5"},
        {"an empty best rank is below every code", 25, 2, 0, 0, 0, "5", "", 3, ""},
        {"a byte above the digits is above every code", 25, 2, 0, 0, 0, "5", "\x81", 3, "5"},
        {"a longer best rank compares by its first byte", 25, 2, 0, 0, 0, "5", "45", 3, "45"},
        {"a rank with a space before it is below the digits", 25, 2, 0, 0, 0, " 5", "5", 3, " 5"},
    };
    for (const auto& c : cases) {
        GameState s = QuietLeague();
        const int slot = 30;  // maegashira, 8 wins: E + 1 and no band step
        s.Age[slot] = c.age;
        s.E[slot] = c.e;
        s.Twin[slot] = c.twin;
        s.Tlose[slot] = c.tlose;
        s.Omake = c.omake;
        s.Stage[slot] = c.stage;
        s.Saiko[slot] = c.saiko;
        FixedClock clock;
        AssessBasho(s, clock);
        SCOPED_TRACE(c.rule);
        EXPECT_EQ(s.E[slot], c.eAfter);
        EXPECT_EQ(s.Saiko[slot], c.saikoAfter);
    }
    GameState s = QuietLeague();
    s.Age[1] = 33;
    FixedClock clock;
    AssessBasho(s, clock);
    EXPECT_EQ(s.E[1], 28) << "a yokozuna raised to 30 and aged 33";
}

TEST(AssessBasho, RankCodeThatIsNoNumberRaisesTheConversionError) {
    GameState s = QuietLeague();
    s.Stage[9] = "x";
    FixedClock clock;
    try {
        AssessBasho(s, clock);
        ADD_FAILURE() << "accepted";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), sj<"'x' は整数ではありません">);
    }
}

// Figures at the edge of 32 bits are refused or compared without wrapping.
TEST(AssessBasho, HugeFiguresDoNotWrap) {
    GameState s = QuietLeague();
    s.W[1] = INT32_MAX;
    FixedClock clock;
    try {
        AssessBasho(s, clock);
        ADD_FAILURE() << "accepted";
    } catch (const RangeError& e) {
        EXPECT_STREQ(e.what(), sj<"W[1] の値 2147483647 に 45 を足すと範囲外です">);
    }

    s = QuietLeague();
    s.Stage[8] = "9";
    s.E[8] = INT32_MIN;
    s.Age[8] = 40;
    s.Tlose[8] = 1;  // so that the negative E is not raised to 0
    try {
        AssessBasho(s, clock);
        ADD_FAILURE() << "accepted";
    } catch (const RangeError& e) {
        EXPECT_STREQ(e.what(), sj<"E[8] の値 -2147483648 に -2 を足すと範囲外です">);
    }

    s = QuietLeague();
    s.W[2] = 11, s.L[2] = INT32_MAX, s.LB[2] = INT32_MAX;
    AssessBasho(s, clock);
    EXPECT_EQ(s.Stage[2], "1") << "the three-basho sum is not wrapped";
}

}  // namespace
}  // namespace kelmar
