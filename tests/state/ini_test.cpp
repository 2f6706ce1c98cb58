#include "state/ini.h"

#include <gtest/gtest.h>

#include "state/errors.h"
#include "state/shift_jis_literal.h"
#include "support/game_folder.h"
#include "support/size_limit.h"

namespace kelmar {
namespace {

using testing::CrLf;
using testing::GameFolder;

TEST(IniFile, WritesIntoAnEmptyFolder) {
    GameFolder folder;
    IniFile ini(folder.path() + "/a.ini");
    EXPECT_FALSE(ini.existed());
    ini.WriteString("S", "k", "v");
    ini.WriteInteger("S", "n", -3);
    ini.WriteString("T", "e", "");
    ini.WriteString("s", "K", "w");  // names match without regard to case
    ini.Flush();
    EXPECT_EQ(folder.Read("a.ini"), CrLf({"[S]", "k=w", "n=-3", "[T]", "e="}));
    const IniFile back(folder.path() + "/a.ini");
    EXPECT_TRUE(back.existed());
    EXPECT_EQ(back.ReadInteger("S", "N", 0), -3);
    EXPECT_EQ(back.ReadString("t", "E", "none"), "");
    EXPECT_EQ(back.ReadString("T", "missing", "none"), "none");
    EXPECT_EQ(back.ReadString("U", "k", "none"), "none");
}

// A file made by hand keeps its comments, blank lines, other sections and
// order; a new key goes to the end of its section, a new section to the end.
TEST(IniFile, KeepsAHandMadeFile) {
    GameFolder folder;
    folder.Write("a.ini",
                 "; saved by hand\r\n[Game]\r\n  MyP =  12  \r\nnote without equals\r\n"
                 "Other=x\r\n\r\n[Mine]\n;comment\nmine=1\n");
    IniFile ini(folder.path() + "/a.ini");
    EXPECT_EQ(ini.ReadString("game", "myp", ""), "12");
    EXPECT_EQ(ini.ReadString("Game", "note without equals", "none"), "none");
    EXPECT_EQ(ini.ReadString("Mine", ";comment", "none"), "none");
    ini.WriteInteger("Game", "MYP", 40);
    ini.WriteString("Game", "Nengo", "2021");
    ini.WriteString("New", "a", "b");
    ini.Flush();
    EXPECT_EQ(folder.Read("a.ini"),
              CrLf({"; saved by hand", "[Game]", "MyP=40", "note without equals", "Other=x",
                    "Nengo=2021", "", "[Mine]", ";comment", "mine=1", "[New]", "a=b"}));
}

TEST(IniFile, ReadsIntegersAndCutsLongValues) {
    GameFolder folder;
    const std::string long1024(1024, 'a');
    folder.Write("a.ini", CrLf({"[S]", "hex=0x1F", "up=0X1f", "bare=0x", "neg=-3", "sp=  7",
                                "plus=+5", "dollar=$10", "bad=12a", "empty=", "badhex=0xG",
                                "big=4294967296", "long=" + long1024}));
    const IniFile ini(folder.path() + "/a.ini");
    struct Case {
        const char* key;
        int32_t value;
    } cases[] = {{"hex", 31},   {"up", 31},     {"bare", -1},   {"neg", -3},
                 {"sp", 7},     {"plus", 5},    {"dollar", 16}, {"bad", -1},
                 {"empty", -1}, {"badhex", -1}, {"big", -1},    {"none", -1}};
    for (const Case& c : cases) EXPECT_EQ(ini.ReadInteger("S", c.key, -1), c.value) << c.key;
    EXPECT_EQ(ini.ReadString("S", "long", ""), std::string(1023, 'a'));
}

TEST(IniFile, FailedFlushKeepsTheOldFileAndNamesThePath) {
    GameFolder folder;
    const std::string old = CrLf({"[S]", "k=old"});
    folder.Write("a.ini", old);
    const std::string path = folder.path() + "/a.ini";
    const std::string error = testing::GameErrorUnderSizeLimit(8, [&] {
        IniFile ini(path);
        ini.WriteString("S", "k", std::string(100, 'n'));
        ini.Flush();
    });
    EXPECT_EQ(error, IniWriteError(path).what());
    EXPECT_EQ(error, path + sj<" に書き込めません">);
    EXPECT_EQ(folder.Read("a.ini"), old);
}

}  // namespace
}  // namespace kelmar
