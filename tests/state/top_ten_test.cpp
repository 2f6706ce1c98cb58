#include "state/top_ten.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "basho/new_career.h"
#include "state/errors.h"
#include "state/shift_jis_literal.h"
#include "state/strings.h"
#include "support/fixed_clock.h"
#include "support/game_error.h"
#include "support/game_folder.h"
#include "support/scripted_frontend.h"
#include "support/size_limit.h"

namespace kelmar {
namespace {

using testing::CrLf;
using testing::GameFolder;
using testing::ScriptedFrontend;

// A table whose scores fall from 100 by 10: place r holds "Pr" with 110 - 10r.
GameState FallingTable() {
    GameState s;
    for (int r = 1; r <= kPlaces; ++r) {
        s.TopTenNames[r] = "P" + IntToStr(r);
        s.TopTenScores[r] = 110 - 10 * r;
    }
    return s;
}

TEST(EnterTopTen, PlacesANewScoreAfterEqualOnes) {
    struct Case {
        int32_t myP;
        int place;  // 0: does not enter
    } cases[] = {
        {10, 0},   // equal to place 10
        {9, 0},    // below place 10
        {11, 10},  // just above place 10
        {80, 4},   // equal to place 3, above place 4
        {100, 2},  // equal to place 1
        {101, 1},  // new best
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.myP);
        GameState s = FallingTable();
        const GameState before = s;
        s.MyP = c.myP;
        ScriptedFrontend fe(s);
        fe.name = sj<"新人">;
        EnterTopTen(s, fe);
        if (c.place == 0) {
            EXPECT_TRUE(fe.calls.empty());
            EXPECT_EQ(s.TopTenNames, before.TopTenNames);
            EXPECT_EQ(s.TopTenScores, before.TopTenScores);
            continue;
        }
        ASSERT_EQ(fe.calls, std::vector<std::string>{sj<"AskName おめでとう 名前は？ Unknown">});
        for (int r = 1; r <= kPlaces; ++r) {
            const int from = r < c.place ? r : r - 1;
            if (r == c.place) {
                EXPECT_EQ(s.TopTenNames[r], sj<"新人">);
                EXPECT_EQ(s.TopTenScores[r], c.myP);
            } else {
                EXPECT_EQ(s.TopTenNames[r], before.TopTenNames[from]) << r;
                EXPECT_EQ(s.TopTenScores[r], before.TopTenScores[from]) << r;
            }
        }
    }
}

TEST(EnterTopTen, EmptyTableTakesAnyPositiveScore) {
    GameState s;
    ScriptedFrontend fe(s);
    EnterTopTen(s, fe);  // MyP 0 equals the empty place 10
    EXPECT_TRUE(fe.calls.empty());
    s.MyP = 1;
    EnterTopTen(s, fe);
    EXPECT_EQ(s.TopTenScores[1], 1);
    EXPECT_EQ(s.TopTenNames[1], "Unknown");
    EXPECT_EQ(s.TopTenScores[2], 0);
}

TEST(EnterTopTen, CancelGivesUnknownAndAnEmptyNameIsKept) {
    GameState s;
    s.MyP = 5;
    ScriptedFrontend fe(s);
    fe.name = std::nullopt;
    EnterTopTen(s, fe);
    EXPECT_EQ(s.TopTenNames[1], "Unknown");
    s.MyP = 7;
    fe.name = "";
    EnterTopTen(s, fe);
    EXPECT_EQ(s.TopTenNames[1], "");
    EXPECT_EQ(s.TopTenNames[2], "Unknown");
}

TEST(TopTenFile, SavedBytesAndReadBack) {
    GameFolder folder;
    GameState s = FallingTable();
    s.TopTenNames[2] = "";
    s.TopTenScores[10] = -3;
    SaveTopTen(s);
    EXPECT_EQ(folder.Read("Rank.txt"),
              CrLf({"P1", "100", "",   "90", "P3", "80", "P4", "70", "P5",  "60",
                    "P6", "50",  "P7", "40", "P8", "30", "P9", "20", "P10", "-3"}));
    GameState loaded;
    LoadTopTen(loaded);
    EXPECT_EQ(loaded.TopTenNames, s.TopTenNames);
    EXPECT_EQ(loaded.TopTenScores, s.TopTenScores);
}

TEST(TopTenFile, FourPlacesLeaveTheRestEmpty) {
    GameFolder folder;
    folder.Write("Rank.txt", CrLf({sj<"一郎">, "  400", sj<"二郎">, "$12C junk", "", "200",
                                   sj<"四郎">, "100"}));
    GameState s = FallingTable();
    LoadTopTen(s);
    EXPECT_EQ(s.TopTenNames[1], sj<"一郎">);
    EXPECT_EQ(s.TopTenScores[2], 300);
    EXPECT_EQ(s.TopTenNames[3], "");
    EXPECT_EQ(s.TopTenScores[4], 100);
    for (int r = 5; r <= kPlaces; ++r) {
        EXPECT_EQ(s.TopTenNames[r], "") << r;
        EXPECT_EQ(s.TopTenScores[r], 0) << r;
    }
}

TEST(TopTenFile, MissingFileAndBadScoreAreReported) {
    GameFolder folder;
    GameState s;
    try {
        LoadTopTen(s);
        FAIL() << "no error";
    } catch (const InOutError& e) {
        EXPECT_EQ(e.code(), 2);
    }
    folder.Write("Rank.txt", CrLf({sj<"一郎">, "400", sj<"二郎">, sj<"四百">}));
    EXPECT_THROW(LoadTopTen(s), InOutError);
    EXPECT_EQ(s.TopTenScores[1], 400);
    EXPECT_EQ(s.TopTenNames[2], sj<"二郎">);
    EXPECT_EQ(s.TopTenScores[2], 0);
}

// A write that fails half-way leaves the old table whole and no stray file.
TEST(TopTenFile, FailedSaveKeepsTheOldFile) {
    GameFolder folder;
    const std::string old = CrLf({"old", "1"});
    folder.Write("Rank.txt", old);
    const GameState s = FallingTable();
    EXPECT_EQ(testing::GameErrorUnderSizeLimit(40, [&] { SaveTopTen(s); }), InOutErrorText(101));
    EXPECT_EQ(folder.Read("Rank.txt"), old);
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder.path()))
        files += 1;
    EXPECT_EQ(files, 1);
}

// The top-ten write at the end of a career in a read-only folder: the game's
// input/output text, the new place kept in memory, the old file whole, and a
// new career can begin.
TEST(TopTenFile, ReadOnlyFolderAtTheEndOfACareer) {
    GameFolder folder;
    folder.CopyAllData();
    const std::string old = CrLf({"old", "1"});
    folder.Write("Rank.txt", old);
    GameState s;
    ScriptedFrontend fe(s);
    testing::FixedClock clock(8);
    NewGame(s);
    PickJuryo(s, 5, clock);
    ConfirmCareer(s, fe, clock);
    // A yokozuna with a losing record retires at the next assessment.
    s.Stage[s.PlayerIndex] = "1";
    s.W[s.PlayerIndex] = 3;
    const int32_t score = s.MyP;

    const std::string faults = testing::InReadOnlyFolder(folder.path(), [&] {
        std::string found;
        const std::string end = testing::GameErrorOf([&] { ConfirmCareer(s, fe, clock); });
        if (end != InOutErrorText(5))
            found += "end of career: " + end + "\n";
        if (fe.Count("ShowCareerReport") != 1 || fe.Count("CareerEnds") != 1)
            found += "no career report and top-ten write\n";
        if (s.TopTenScores[1] != score || s.TopTenNames[1] != "Unknown")
            found += "the new place is not kept\n";
        if (s.BashoRunning || s.PlayerRetired != 0 || s.Basyo6 != 0 || s.Nengo != 2020)
            found += "the career did not end\n";
        NewGame(s);
        PickJuryo(s, 1, clock);
        const std::string next = testing::GameErrorOf([&] { ConfirmCareer(s, fe, clock); });
        if (next != "no error" || fe.Count("BashoEnds") != 2)
            found += "new career: " + next + "\n";
        return found;
    });
    EXPECT_EQ(faults, "");
    EXPECT_EQ(folder.Read("Rank.txt"), old);
}

}  // namespace
}  // namespace kelmar
