// The kept data files give what the disk gives.
#include "state/kept_files.h"

#include <gtest/gtest.h>

#include "state/errors.h"
#include "state/shift_jis_literal.h"
#include "support/game_folder.h"

namespace kelmar {
namespace {

using testing::CrLf;
using testing::GameFolder;
using testing::RosterText;

// A run that keeps its data files reads the roster and the pairings once;
// every later career gets what the disk would give: the kept figures, a
// tenure left alone for an age outside 20..40, and a file that failed read
// and refused again.
TEST(KeptFiles, KeptReadingsGiveWhatTheDiskGives) {
    GameFolder folder;
    folder.Write(kRosterFile, RosterText(sj<"若鷹071">, "05080745345"));  // age 45: no tenure
    folder.Write(kMatchFile, CrLf({"0132021603040506", "  x", "0102"}));
    KeptFiles kept;
    for (int career = 0; career < 3; ++career) {
        GameState fromKept;
        GameState disk;
        fromKept.Zaii[1] = disk.Zaii[1] = 70 + career;
        fromKept.Match[15] = disk.Match[15] = "old";
        kept.LoadRoster(fromKept);
        DiskLeagueFiles().LoadRoster(disk);
        kept.LoadMatchTable(fromKept);
        DiskLeagueFiles().LoadMatchTable(disk);
        EXPECT_EQ(fromKept.NameOfWres, disk.NameOfWres);
        EXPECT_EQ(fromKept.Stage, disk.Stage);
        for (const SlotIntegerField& field : kSlotIntegerFields)
            EXPECT_EQ(fromKept.*field.values, disk.*field.values) << field.name;
        EXPECT_EQ(fromKept.Match, disk.Match);
        EXPECT_EQ(fromKept.Zaii[1], 70 + career);
        EXPECT_EQ(fromKept.RosterLoaded, 1);
        EXPECT_EQ(fromKept.LastWin, 1);
    }
    // Changed on the disk, the files are still the ones kept.
    folder.Write(kMatchFile, CrLf({"0201"}));
    GameState later;
    kept.LoadMatchTable(later);
    EXPECT_EQ(later.Match[1], "0132021603040506");

    KeptFiles refused;
    folder.Write(kRosterFile, RosterText(sj<"若鷹001">, "05080729345"));  // portrait 0
    for (int career = 0; career < 2; ++career) {
        GameState s;
        EXPECT_THROW(refused.LoadRoster(s), RangeError);
        EXPECT_EQ(s.RosterLoaded, 0);
    }
}

// A kept file gives the bytes of its first reading, byte 26 still ending it;
// a file that could not be read is tried again, with the same error.
TEST(KeptFiles, KeepTheFirstReadingAndNotAFailure) {
    GameFolder folder;
    KeptFiles kept;
    folder.Write("a.txt",
                 "first\r\n\x1a"
                 "after");
    EXPECT_EQ(kept.Open("a.txt").ReadLine(), "first");
    folder.Write("a.txt", "second\r\n");
    TextReader again = kept.Open("a.txt");
    EXPECT_EQ(again.ReadLine(), "first");
    EXPECT_TRUE(again.AtEnd());
    EXPECT_EQ(TextReader("a.txt").ReadLine(), "second");

    for (int reading = 0; reading < 2; ++reading) {
        try {
            kept.Open("b.txt");
            ADD_FAILURE();
        } catch (const InOutError& e) {
            EXPECT_EQ(e.code(), 2);
        }
    }
    folder.Write("b.txt", "late\r\n");
    EXPECT_EQ(kept.Open("b.txt").ReadLine(), "late");
}

}  // namespace
}  // namespace kelmar
