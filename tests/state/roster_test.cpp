#include "state/roster.h"

#include <gtest/gtest.h>

#include "state/errors.h"
#include "state/shift_jis_literal.h"
#include "support/game_folder.h"

namespace kelmar {
namespace {

using testing::CrLf;
using testing::GameFolder;
using testing::RosterText;

TEST(LoadRoster, ReadsTheExampleRecord) {
    GameFolder folder;
    folder.Write(kRosterFile, RosterText(sj<"若鷹071">, "05080729345"));
    GameState s;
    LoadRoster(s);
    EXPECT_EQ(s.NameOfWres[1], sj<"若鷹07">);
    EXPECT_EQ(s.Stage[1], "1");
    EXPECT_EQ(s.E[1], 5);
    EXPECT_EQ(s.LB[1], 8);
    EXPECT_EQ(s.L[1], 7);
    EXPECT_EQ(s.Age[1], 29);
    EXPECT_EQ(s.Pw[1], 3);
    EXPECT_EQ(s.Sp[1], 4);
    EXPECT_EQ(s.Tc[1], 5);
    EXPECT_EQ(s.Zaii[1], 30);
    EXPECT_EQ(s.NameOfWres[31], sj<"力士41">);
    EXPECT_EQ(s.Stage[31], "5");
    EXPECT_EQ(s.Tc[31], 7);
    EXPECT_EQ(s.RosterLoaded, 1);
    EXPECT_EQ(s.LastWin, 1);
    EXPECT_EQ(s.NameOfWres[32], "");  // slot 32 is the player's
}

TEST(LoadRoster, NameLineTrimming) {
    struct Case {
        const char* line;
        const char* name;
        const char* stage;
    } cases[] = {
        {sj<"若鷹071">, sj<"若鷹07">, "1"},
        {sj<"若鷹071   \t">, sj<"若鷹07">, "1"},  // trailing blanks change nothing
        {sj<" 若鷹071">, sj<" 若鷹0">, "7"},      // a leading space cuts one byte early
        {"", "", ""},
    };
    for (const auto& c : cases) {
        GameFolder folder;
        folder.Write(kRosterFile, RosterText(c.line, "05080729345"));
        GameState s;
        LoadRoster(s);
        EXPECT_EQ(s.NameOfWres[1], c.name) << c.line;
        EXPECT_EQ(s.Stage[1], c.stage) << c.line;
    }
}

TEST(LoadRoster, ZaiiFromAgeAndFiguresBeyondEleven) {
    struct Case {
        const char* age;
        int32_t zaii;
    } cases[] = {{"19", 77}, {"20", 2},  {"24", 10}, {"25", 6},
                 {"30", 36}, {"31", 56}, {"40", 65}, {"41", 77}};
    for (const auto& c : cases) {
        GameFolder folder;
        folder.Write(kRosterFile,
                     RosterText(sj<"若鷹071">, "050807" + std::string(c.age) + "345trailing"));
        GameState s;
        s.Zaii[1] = 77;  // what the running program held
        LoadRoster(s);
        EXPECT_EQ(s.Zaii[1], c.zaii) << c.age;
        EXPECT_EQ(s.Tc[1], 5);
    }
}

TEST(LoadRoster, BadFigureStopsWhereItStands) {
    GameFolder folder;
    // Slot 1 good; slot 2's L field "7 " has a space after the digit.
    std::string roster = RosterText(sj<"若鷹071">, "05080729345");
    const std::string good2 = "05000025127";
    roster.replace(roster.find(good2), good2.size(), "05087 25127");
    folder.Write(kRosterFile, roster);
    GameState s;
    try {
        LoadRoster(s);
        ADD_FAILURE();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), sj<"'7 ' は整数ではありません">);
    }
    EXPECT_EQ(s.NameOfWres[1], sj<"若鷹07">);
    EXPECT_EQ(s.E[2], 5);
    EXPECT_EQ(s.LB[2], 8);
    EXPECT_EQ(s.L[2], 0);  // not reached
    EXPECT_EQ(s.RosterLoaded, 0);
    EXPECT_EQ(s.LastWin, 0);
}

TEST(LoadRoster, ShortFileGivesAConversionErrorOfTheEmptyText) {
    GameFolder folder;
    folder.Write(kRosterFile, RosterText(sj<"若鷹071">, "05080729345", 30));
    GameState s;
    try {
        LoadRoster(s);
        ADD_FAILURE();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), sj<"'' は整数ではありません">);
    }
    EXPECT_EQ(s.NameOfWres[31], "");
}

TEST(DataFiles, MissingFilesSayNotFoundAndStoreNothing) {
    GameFolder folder;
    GameState s;
    s.Juryo[1] = "keep";
    s.Match[1] = "keep";
    for (auto load :
         {+[](GameState& g) { LoadRoster(g); }, +[](GameState& g) { LoadMatchTable(g); },
          +[](GameState& g) { LoadJuryoNames(g); }}) {
        try {
            load(s);
            ADD_FAILURE();
        } catch (const InOutError& e) {
            EXPECT_STREQ(e.what(), sj<"ﾌｧｲﾙが見つかりません">);
        }
    }
    EXPECT_EQ(s.Juryo[1], "keep");
    EXPECT_EQ(s.Match[1], "keep");
}

TEST(LoadMatchTable, StoresLinesWholeAndMissingOnesEmpty) {
    GameFolder folder;
    folder.Write(kMatchFile, CrLf({"0132021603040506 extra", "  x"}));
    GameState s;
    s.Match[15] = "old";
    LoadMatchTable(s);
    EXPECT_EQ(s.Match[1], "0132021603040506 extra");
    EXPECT_EQ(s.Match[2], "  x");
    EXPECT_EQ(s.Match[3], "");
    EXPECT_EQ(s.Match[15], "");
}

TEST(LoadJuryoNames, GivesDisplayNamesForTheList) {
    GameFolder folder;
    std::string file;
    for (int i = 1; i <= 26; ++i) file += sj<"十両"> + std::to_string(30 + i) + "\r\n";
    folder.Write(kJuryoFile, file);
    GameState s;
    const auto items = LoadJuryoNames(s);
    ASSERT_EQ(items.size(), 27u);
    EXPECT_EQ(s.Juryo[1], sj<"十両31">);
    EXPECT_EQ(items[0], sj<"十両">);
    EXPECT_EQ(s.Juryo[26], sj<"十両56">);
    EXPECT_EQ(s.Juryo[27], "");  // 26 lines: the last entry and item are empty
    EXPECT_EQ(items[26], "");
}

TEST(GameState, StartsZeroAndEmptyAndRefusesIndicesOutsideItsRange) {
    GameState s;
    for (int i = 1; i <= kSlots; ++i) {
        EXPECT_EQ(s.Age[i], 0);
        EXPECT_EQ(s.NameOfWres[i], "");
    }
    EXPECT_EQ(s.Rng.state, 0u);
    EXPECT_EQ(s.RosterLoaded, 0);
    EXPECT_THROW(s.W[0], RangeError);
    EXPECT_THROW(s.W[33], RangeError);
    EXPECT_THROW(s.Match[16], RangeError);
    EXPECT_THROW(s.Juryo[28], RangeError);
    EXPECT_THROW(s.TopTenScores[11], RangeError);
    EXPECT_FALSE(GameState::IsPlayer(100));
    EXPECT_TRUE(GameState::IsPlayer(101));
}

}  // namespace
}  // namespace kelmar
