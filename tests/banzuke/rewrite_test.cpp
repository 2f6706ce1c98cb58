#include <gtest/gtest.h>

#include <vector>

#include "banzuke/procedures.h"
#include "league.h"

namespace kelmar {
namespace {

using testing::QuietLeague;
using testing::Shikona;

// Points padded with 0 to 32 entries.
std::vector<int32_t> Points(std::initializer_list<int32_t> head) {
    std::vector<int32_t> p(head);
    p.resize(kSlots, 0);
    return p;
}

TEST(RewriteBanzuke, SelectionSortOrderAmongEqualPoints) {
    struct Case {
        const char* rule;
        std::vector<int32_t> points;
        std::vector<int> head;  // original slots at positions 1.. in order
    } cases[] = {
        {"equal points at 5 and 9 with nothing higher below keep their order",
         Points({9, 9, 9, 9, 7, 1, 1, 1, 7}),
         {1, 2, 3, 4, 5, 9, 7, 8, 6}},
        {"an exchange carries a record past another with equal points",
         Points({5, 5, 9}),
         {3, 2, 1}},
        {"the first of several highest is taken", Points({1, 4, 4, 2}), {2, 3, 4, 1}},
        {"highest first", Points({1, 2, 3}), {3, 2, 1}},
    };
    for (const auto& c : cases) {
        GameState s = QuietLeague();
        for (int i = 1; i <= kSlots; ++i) {
            s.Pnt[i] = c.points[static_cast<size_t>(i - 1)];
            s.NameOfWres[i] = Shikona(i);
        }
        RewriteBanzuke(s);
        SCOPED_TRACE(c.rule);
        for (size_t p = 0; p < c.head.size(); ++p)
            EXPECT_EQ(s.NameOfWres[static_cast<int>(p) + 1], Shikona(c.head[p]))
                << "position " << p + 1;
    }
}

TEST(RewriteBanzuke, MovesWholeRecords) {
    GameState s = QuietLeague();
    const int from = 20;
    s.Pnt[from] = 99;
    s.Age[from] = 131;
    s.Pw[from] = 1, s.Sp[from] = 2, s.Tc[from] = 7;
    s.E[from] = -3, s.LB[from] = 4, s.L[from] = 6, s.W[from] = 12;
    s.Saiko[from] = "2", s.Zaii[from] = 40, s.Yusyo[from] = 3;
    s.Twin[from] = 300, s.Tlose[from] = 200;
    RewriteBanzuke(s);
    EXPECT_EQ(s.NameOfWres[1], Shikona(from));
    EXPECT_EQ(s.Pnt[1], 99);
    EXPECT_EQ(s.Age[1], 131);
    EXPECT_EQ(s.Pw[1], 1);
    EXPECT_EQ(s.Sp[1], 2);
    EXPECT_EQ(s.Tc[1], 7);
    EXPECT_EQ(s.E[1], -3);
    EXPECT_EQ(s.LB[1], 4);
    EXPECT_EQ(s.L[1], 6);
    EXPECT_EQ(s.W[1], 12);
    EXPECT_EQ(s.Stage[1], "3") << "the rank code follows the position";
    EXPECT_EQ(s.Saiko[1], "2");
    EXPECT_EQ(s.Zaii[1], 41);
    EXPECT_EQ(s.Yusyo[1], 3);
    EXPECT_EQ(s.Twin[1], 300);
    EXPECT_EQ(s.Tlose[1], 200);
    EXPECT_EQ(s.PlayerIndex, 1);
    // The record that stood at position 1 went to position 20, whole.
    EXPECT_EQ(s.NameOfWres[from], Shikona(1));
    EXPECT_EQ(s.Age[from], 25);
    EXPECT_EQ(s.Zaii[from], 6);
}

// Rank codes by position: yokozuna and ozeki down to the first record that is
// neither, then two sekiwake, two komusubi and maegashira.
TEST(RewriteBanzuke, RankCodeScan) {
    struct Case {
        const char* rule;
        int topRanks;  // records coded "1" or "2" at the top
        int sekiwake;  // first position that becomes "3"
    } cases[] = {
        {"two yokozuna and three ozeki: 6, 7 sekiwake, 8, 9 komusubi", 5, 6},
        {"no yokozuna or ozeki at all", 0, 1},
        {"28 yokozuna and ozeki: the last four slots", 28, 29},
        {"29 yokozuna and ozeki stop at slot 32", 29, 30},
        {"31 yokozuna and ozeki", 31, 32},
        {"32 yokozuna and ozeki: nothing to hand out", 32, 33},
    };
    for (const auto& c : cases) {
        GameState s = QuietLeague();
        for (int i = 1; i <= kSlots; ++i) {
            if (i <= c.topRanks)
                s.Stage[i] = i <= 2 ? "1" : "2";
            else
                s.Stage[i] = i % 2 ? "3" : "5";
            s.Pnt[i] = 100 - i;
        }
        RewriteBanzuke(s);
        SCOPED_TRACE(c.rule);
        for (int i = 1; i <= kSlots; ++i) {
            const int place = i - c.sekiwake;
            const char* expected = place < 0   ? (i <= 2 ? "1" : "2")
                                   : place < 2 ? "3"
                                   : place < 4 ? "4"
                                               : "5";
            EXPECT_EQ(s.Stage[i], expected) << "position " << i;
        }
    }
}

TEST(RewriteBanzuke, YokozunaAndOzekiSortedBelowTheFirstSekiwakeLoseTheirCodes) {
    GameState s = QuietLeague();
    s.Pnt[1] = 10;  // yokozuna with few points
    s.Pnt[3] = 50;  // sekiwake on top
    RewriteBanzuke(s);
    EXPECT_EQ(s.NameOfWres[1], Shikona(3));
    EXPECT_EQ(s.NameOfWres[2], Shikona(1));
    EXPECT_EQ(s.NameOfWres[3], Shikona(2));
    EXPECT_EQ(s.Stage[1], "3");
    EXPECT_EQ(s.Stage[2], "3") << "the yokozuna is below the first sekiwake";
    EXPECT_EQ(s.Stage[3], "4") << "and so is the ozeki";
}

TEST(RewriteBanzuke, TenureGrowsAndThePlayerIsFound) {
    GameState s = QuietLeague();
    s.Age[32] = 120;
    s.Pnt[32] = 20;
    s.PlayerIndex = 32;
    RewriteBanzuke(s);
    EXPECT_EQ(s.PlayerIndex, 1);
    for (int i = 1; i <= kSlots; ++i) EXPECT_EQ(s.Zaii[i], 6) << i;
}

}  // namespace
}  // namespace kelmar
