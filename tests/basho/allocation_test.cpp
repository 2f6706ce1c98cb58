// A bout runs 240 times a basho and must stay off the heap. This program
// replaces the global operator new (support/counting_new.cpp) to count.
#include <gtest/gtest.h>

#include <string>

#include "banzuke/procedures.h"
#include "basho/procedures.h"
#include "support/counting_new.h"
#include "support/game_folder.h"
#include "support/null_frontend.h"
#include "support/shipped_league.h"

namespace kelmar {
namespace {

using testing::AllocationCount;

TEST(Allocation, TheCounterSeesAnAllocation) {
    const uint64_t before = AllocationCount();
    std::string* volatile text = new std::string(100, 'x');  // escapes: not elided
    EXPECT_EQ(AllocationCount() - before, 2u) << "the object and its characters";
    delete text;
}

// Every pairing of a basho on the shipped league, the player's bouts with
// their tactic window included: the player's texts are short names and ages
// that stay within a string's own buffer.
TEST(Allocation, NoBoutOfABashoTouchesTheHeap) {
    testing::GameFolder folder;
    folder.CopyAllData();
    GameState s = testing::ShippedLeagueAfterFirstBasho(5);
    testing::NullFrontend frontend;
    int playerBouts = 0;
    for (int day = 1; day <= kDays; ++day) {
        s.Torikumiday = day;
        for (int pair = 1; pair <= 16; ++pair) {
            const DayPair p = DayCardPair(s, day, pair);
            s.EastSlot = p.east;
            s.WestSlot = p.west;
            playerBouts += s.IsPlayerSlot(p.east) || s.IsPlayerSlot(p.west);
            const uint64_t before = AllocationCount();
            ResolveBout(s, frontend);
            EXPECT_EQ(AllocationCount() - before, 0u) << "day " << day << " bout " << pair;
        }
    }
    EXPECT_EQ(playerBouts, kDays) << "the player fights once a day";
}

// The moments of a day hand over numbers and views into the game's strings:
// a whole day, every film requested, and its evening's chart stay off the heap
// even with names too long for a string's own buffer.
TEST(Allocation, ADayAndItsChartTouchNoHeap) {
    testing::GameFolder folder;
    folder.CopyAllData();
    GameState s = testing::ShippedLeagueAfterFirstBasho(5);
    for (int i = 1; i <= kSlots; ++i) {
        s.W[i] = 0;
        s.NameOfWres[i] = std::string(40, 'n') + s.NameOfWres[i];  // same portrait digits
    }
    s.AnimationSwitch = true;
    testing::NullFrontend frontend;
    for (int day = 1; day <= kDays; ++day) {
        s.Torikumiday = day;
        const uint64_t before = AllocationCount();
        PlayDay(s, frontend);
        frontend.ShowDailyChart(DailyChartOf(s));
        EXPECT_EQ(AllocationCount() - before, 0u) << "day " << day;
    }
}

// A whole basho, the assessment, the rewrite, the newspaper and the days
// included, stays off the heap once a first basho has sized the buffers it
// reuses. The practice level keeps the player's career going.
TEST(Allocation, AWholeBashoAfterTheFirstTouchesNoHeap) {
    testing::GameFolder folder;
    folder.CopyAllData();
    GameState s = testing::ShippedLeagueAfterFirstBasho(5);
    s.Omake = 10;
    testing::NullFrontend frontend;
    testing::FixedClock clock(777);
    RunBasho(s, frontend, clock);
    int played = 0;
    for (int n = 0; n < 30; ++n) {
        const uint64_t before = AllocationCount();
        RunBasho(s, frontend, clock);
        EXPECT_EQ(AllocationCount() - before, 0u) << "basho " << n + 2;
        ASSERT_EQ(frontend.careerReports, 0) << "the career should last";
        ++played;
    }
    EXPECT_EQ(frontend.newspapers, played + 1);
}

// A computer bout reads no string at all, however long the names are.
TEST(Allocation, ComputerBoutWithLongNamesTouchesNoHeap) {
    GameState s;
    for (int i = 1; i <= kSlots; ++i) {
        s.NameOfWres[i] = std::string(40, 'n') + "07";
        s.Age[i] = 30;
        s.E[i] = 5;
        s.Pw[i] = 3, s.Sp[i] = 3, s.Tc[i] = 4;
    }
    s.EastSlot = 3, s.WestSlot = 17;
    testing::NullFrontend frontend;
    const uint64_t before = AllocationCount();
    for (int n = 0; n < 1000; ++n) ResolveBout(s, frontend);
    EXPECT_EQ(AllocationCount() - before, 0u);
    EXPECT_EQ(s.Twin[3] + s.Twin[17], 1000);
}

}  // namespace
}  // namespace kelmar
