#include "state/saved_game.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>

#include "basho/new_career.h"
#include "basho/procedures.h"
#include "state/errors.h"
#include "state/rank.h"
#include "state/shift_jis_literal.h"
#include "state/strings.h"
#include "state/top_ten.h"
#include "support/fixed_clock.h"
#include "support/game_error.h"
#include "support/game_folder.h"
#include "support/scripted_frontend.h"
#include "support/size_limit.h"

namespace kelmar {
namespace {

using testing::CrLf;
using testing::FixedClock;
using testing::GameFolder;
using testing::ScriptedFrontend;

// The sixteen fields of a slot, named one by one, as one comparable value.
std::string RecordOf(const GameState& s, int i) {
    std::string out;
    for (int32_t v : {s.Age[i], s.Pw[i], s.Sp[i], s.Tc[i], s.E[i], s.LB[i], s.L[i], s.W[i],
                      s.Pnt[i], s.Zaii[i], s.Yusyo[i], s.Twin[i], s.Tlose[i]})
        out += IntToStr(v) + "|";
    return out + s.NameOfWres[i] + "|" + s.Stage[i] + "|" + s.Saiko[i] + "|";
}

// The entries a save stores, as one comparable value.
std::string Stored(const GameState& s) {
    std::string out;
    auto add = [&](const std::string& v) { out += v + "|"; };
    for (int i = 1; i <= kJuryo; ++i) add(s.Juryo[i]);
    for (int i = 1; i <= kSlots; ++i) out += RecordOf(s, i);
    add(s.PlayersWres), add(s.Intai), add(s.Osyoshin), add(s.Ysyoshin), add(s.Kanraku);
    for (int32_t v : {s.Torikumiday, s.Nengo, s.Basyo6, s.LastWin, s.MyP, s.Omake})
        add(IntToStr(v));
    return out;
}

// A career one basho in, with a few values a save must not bend.
GameState MidCareer() {
    GameState s;
    ScriptedFrontend fe(s);
    FixedClock clock(8);  // a player who lasts beyond his first basho
    NewGame(s);
    PickJuryo(s, 5, clock);
    ConfirmCareer(s, fe, clock);
    s.Tlose[7] = -3;
    s.Omake = 10;
    return s;
}

TEST(SavedGame, MidCareerStateComesBackEqual) {
    GameFolder folder;
    folder.CopyAllData();
    const GameState saved = MidCareer();
    SaveGame(saved);
    const std::string bytes = folder.Read("Kelmar.ini");
    SaveGame(saved);
    EXPECT_EQ(folder.Read("Kelmar.ini"), bytes);  // saving twice changes nothing

    GameState loaded;
    loaded.UnderdogBonus = 0;
    EXPECT_TRUE(ReadSavedGame(loaded)) << "the practice level";
    EXPECT_EQ(Stored(loaded), Stored(saved));
    EXPECT_EQ(loaded.UnderdogBonus, 0);
    EXPECT_EQ(loaded.LeaderPenalty, 0);
}

// The bytes of a save into an empty folder, written out entry by entry.
TEST(SavedGame, FileBytesInAnEmptyFolder) {
    GameFolder folder;
    GameState s;
    for (int i = 1; i <= kJuryo; ++i) s.Juryo[i] = sj<"十両"> + IntToStr(i);
    for (int i = 1; i <= kSlots; ++i) {
        s.Age[i] = 20 + i, s.Pw[i] = i, s.Sp[i] = 2 * i, s.Tc[i] = 3 * i, s.E[i] = -i;
        s.LB[i] = 4, s.L[i] = 5, s.W[i] = 6, s.Pnt[i] = 7, s.Zaii[i] = 8, s.Yusyo[i] = 9;
        s.Twin[i] = 10, s.Tlose[i] = 11;
        s.NameOfWres[i] = sj<"山"> + IntToStr(i), s.Stage[i] = "5", s.Saiko[i] = "";
    }
    s.PlayersWres = sj<"海山01">, s.Torikumiday = 3, s.Nengo = 2021, s.Basyo6 = 2, s.LastWin = 4;
    s.Intai = sj<"引退">, s.Osyoshin = "", s.Ysyoshin = sj<"新">, s.Kanraku = sj<"楽">, s.MyP = -3;
    s.Omake = 10;
    SaveGame(s);

    std::string expected = "[Wres]\r\n";
    for (int i = 1; i <= kJuryo; ++i)
        expected += "Juryo" + IntToStr(i) + sj<"=十両"> + IntToStr(i) + "\r\n";
    for (int i = 1; i <= kSlots; ++i) {
        const std::string n = IntToStr(i);
        expected += "[" + n + "]\r\nAge=" + IntToStr(20 + i) + "\r\nPw=" + n +
                    "\r\nSp=" + IntToStr(2 * i) + "\r\nTc=" + IntToStr(3 * i) + "\r\nE=-" + n +
                    sj<"\r\nLB=4\r\nL=5\r\nW=6\r\nPnt=7\r\nZaii=8\r\nYusyo=9\r\nTwin=10\r\n"
                       "Tlose=11\r\nNameOfWres=山"> +
                    n + "\r\nStage=5\r\nSaiko=\r\n";
    }
    expected += CrLf({"[Game]", sj<"PlayersWres=海山01">, "Torikumiday=3", "Nengo=2021", "Basyo6=2",
                      "LastWin=4", sj<"Intai=引退">, "Osyoshin=", sj<"Ysyoshin=新">,
                      sj<"Kanraku=楽">, "MyP=-3", "Omake=10"});
    EXPECT_EQ(folder.Read("Kelmar.ini"), expected);
}

TEST(SavedGame, HandMadeFileKeepsItsOtherContents) {
    GameFolder folder;
    folder.Write("Kelmar.ini",
                 CrLf({"; my notes", "[Extra]", "keep=1", "[game]", "myp=5", "Mine=x"}));
    GameState s;
    SaveGame(s);
    const std::string bytes = folder.Read("Kelmar.ini");
    EXPECT_EQ(bytes.rfind(CrLf({"; my notes", "[Extra]", "keep=1", "[game]", "myp=0", "Mine=x",
                                "PlayersWres=", "Torikumiday=0"}),
                          0),
              0u);
    EXPECT_EQ(bytes.find("[Game]"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n[Wres]\r\nJuryo1=\r\n"), std::string::npos);
}

TEST(SavedGame, MissingKeysLoadAsMinusOneAndEmpty) {
    GameFolder folder;
    std::string file = "[Wres]\r\n";
    for (int i = 1; i <= 26; ++i) file += "Juryo" + IntToStr(i) + "=J" + IntToStr(i) + "\r\n";
    folder.Write("Kelmar.ini", file + CrLf({"[3]", "Age=0x1F", "Pw=0x", "Sp=-3", "[Game]"}));
    GameState s;
    s.Omake = 10;
    EXPECT_FALSE(ReadSavedGame(s));
    EXPECT_EQ(s.Juryo[26], "J26");
    EXPECT_EQ(s.Juryo[27], "");
    EXPECT_EQ(s.Age[3], 31);
    EXPECT_EQ(s.Pw[3], -1);
    EXPECT_EQ(s.Sp[3], -3);
    EXPECT_EQ(s.Age[4], -1);
    EXPECT_EQ(s.NameOfWres[3], "");
    EXPECT_EQ(s.MyP, -1);
    EXPECT_EQ(s.Omake, 0);
}

TEST(SavedGame, OnlyOmakeTenTurnsThePracticeLevelOn) {
    const struct {
        const char* line;
        int32_t omake;
    } cases[] = {{"Omake=10", 10}, {"Omake=0x0A", 10}, {"Omake=0", 0}, {"Omake=-1", 0},
                 {"Omake=11", 0},  {"Omake=abc", 0},   {"Other=10", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        GameFolder folder;
        folder.Write("Kelmar.ini", CrLf({"[Game]", c.line}));
        GameState s;
        EXPECT_EQ(ReadSavedGame(s), c.omake == 10);
        EXPECT_EQ(s.Omake, c.omake);
    }
}

// Neither a missing save nor a running basho may wipe the career in play.
TEST(SavedGame, RefusedLoadsChangeNothing) {
    GameFolder folder;
    folder.CopyAllData();
    GameState s = MidCareer();
    const std::string before = Stored(s);
    try {
        LoadGame(s);
        FAIL() << "no error";
    } catch (const InOutError& e) {
        EXPECT_EQ(e.code(), 2);
        EXPECT_STREQ(e.what(), sj<"ﾌｧｲﾙが見つかりません">);
    }
    SaveGame(GameState{});
    s.BashoRunning = true;
    EXPECT_THROW(LoadGame(s), GameError);
    EXPECT_EQ(Stored(s), before);
}

// Loading runs the next basho exactly as going on from the saved state would,
// with what a save does not keep (the generator, the two adjustments, the
// player's slot) at their start values.
TEST(SavedGame, LoadGoesOnAsTheSavedCareerWould) {
    GameFolder folder;
    folder.CopyAllData();
    const GameState saved = MidCareer();
    SaveGame(saved);

    GameState going = saved;
    going.Rng = GameState{}.Rng;
    going.UnderdogBonus = going.LeaderPenalty = going.PlayerIndex = 0;
    ScriptedFrontend goingFe(going);
    FixedClock goingClock(99);
    ConfirmCareer(going, goingFe, goingClock);

    GameState s;
    ScriptedFrontend fe(s);
    FixedClock clock(99);
    const ResumedGame resumed = LoadGame(s);
    EXPECT_TRUE(resumed.practice);
    EXPECT_EQ(resumed.score, sj<"得点 : "> + IntToStr(saved.MyP));
    RunBasho(s, fe, clock);
    EXPECT_EQ(fe.calls, goingFe.calls);
    EXPECT_EQ(fe.Count("BashoEnds"), 1);
    EXPECT_EQ(Stored(s), Stored(going));
    EXPECT_EQ(s.RosterLoaded, 1);
    EXPECT_EQ(s.Match, saved.Match);
}

// A record moves whole: with every field of two slots distinct, a field the
// exchange missed would stay behind in its slot.
TEST(Record, AnExchangeMovesAllSixteenFields) {
    GameState s;
    for (int i : {3, 9}) {
        int32_t v = 100 * i;
        for (SlotArray<int32_t>* field : {&s.Age, &s.Pw, &s.Sp, &s.Tc, &s.E, &s.LB, &s.L, &s.W,
                                          &s.Pnt, &s.Zaii, &s.Yusyo, &s.Twin, &s.Tlose})
            (*field)[i] = ++v;
        for (SlotArray<std::string>* field : {&s.NameOfWres, &s.Stage, &s.Saiko})
            (*field)[i] = IntToStr(++v);
    }
    GameState exchanged = s;
    ExchangeRecords(exchanged, 3, 9);
    EXPECT_EQ(RecordOf(exchanged, 3), RecordOf(s, 9));
    EXPECT_EQ(RecordOf(exchanged, 9), RecordOf(s, 3));
    ExchangeRecords(exchanged, 9, 3);
    EXPECT_EQ(Stored(exchanged), Stored(s));
}

// Rank codes are one byte, names longer; an exchange trades whatever each
// slot holds, whatever its length.
TEST(Record, AnExchangeTradesTextsOfEveryLength) {
    const std::string texts[] = {"", "5", "1", sj<"若楓07">, "x", std::string(40, 'n')};
    for (const std::string& a : texts) {
        for (const std::string& b : texts) {
            GameState s;
            s.Stage[1] = a;
            s.Stage[2] = b;
            s.NameOfWres[1] = b;
            s.NameOfWres[2] = a;
            ExchangeRecords(s, 1, 2);
            EXPECT_EQ(s.Stage[1], b);
            EXPECT_EQ(s.Stage[2], a);
            EXPECT_EQ(s.NameOfWres[1], a);
            EXPECT_EQ(s.NameOfWres[2], b);
        }
    }
}

// A save that fails half-way leaves the last save whole, and no stray file.
TEST(SavedGame, FailedSaveKeepsTheOldFile) {
    GameFolder folder;
    GameState s;
    s.MyP = 1;
    SaveGame(s);
    const std::string old = folder.Read("Kelmar.ini");
    s.MyP = 2;
    const std::string error =
        testing::GameErrorUnderSizeLimit(old.size() / 2, [&] { SaveGame(s); });
    EXPECT_EQ(error, folder.path() + "/Kelmar.ini" + sj<" に書き込めません">);
    EXPECT_EQ(folder.Read("Kelmar.ini"), old);
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(folder.path()))
        files += !!e.is_regular_file();
    EXPECT_EQ(files, 1);
}

std::set<std::string> FileNames(const GameFolder& folder) {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder.path()))
        names.insert(e.path().filename().string());
    return names;
}

// A read-only game folder: the save gives the game's text and leaves the last
// save as it was, the top-ten write gives the input/output text, the career in
// memory is untouched and its next basho is played.
TEST(SavedGame, ReadOnlyFolderRefusesTheSavesAndPlayGoesOn) {
    GameFolder folder;
    folder.CopyAllData();
    GameState s = MidCareer();
    SaveGame(s);
    SaveTopTen(s);
    const std::string oldSave = folder.Read("Kelmar.ini"), oldTable = folder.Read("Rank.txt");
    s.MyP += 1;
    s.TopTenScores[1] = 999;
    for (int i = 1; i <= kSlots; ++i)
        if (s.IsPlayerSlot(i))
            s.W[i] = 10;  // safe at the next assessment
    const GameState before = s;
    const std::set<std::string> filesBefore = FileNames(folder);

    const std::string faults = testing::InReadOnlyFolder(folder.path(), [&] {
        std::string found;
        const std::string save = testing::GameErrorOf([&] { SaveGame(s); });
        if (save != folder.path() + sj<"/Kelmar.ini に書き込めません">)
            found += "save: " + save + "\n";
        const std::string table = testing::GameErrorOf([&] { SaveTopTen(s); });
        if (table != InOutErrorText(5))
            found += "top ten: " + table + "\n";
        if (Stored(s) != Stored(before) || s.TopTenScores != before.TopTenScores ||
            s.TopTenNames != before.TopTenNames || s.Match != before.Match)
            found += "the state in memory changed\n";
        ScriptedFrontend fe(s);
        FixedClock clock(99);
        const std::string next = testing::GameErrorOf([&] { ConfirmCareer(s, fe, clock); });
        if (next != "no error" || fe.Count("BashoEnds") != 1)
            found += "next basho: " + next + "\n";
        return found;
    });
    EXPECT_EQ(faults, "");
    EXPECT_EQ(folder.Read("Kelmar.ini"), oldSave);
    EXPECT_EQ(folder.Read("Rank.txt"), oldTable);
    EXPECT_EQ(FileNames(folder), filesBefore) << "a stray file was left";
}

}  // namespace
}  // namespace kelmar

namespace kelmar {
namespace {

// The home's glance at the saved game: the file and the player's rikishi it
// holds, the game state untouched.
TEST(SavedGame, TheHomesGlanceReadsThePlayerWithoutTheState) {
    struct Case {
        const char* name;
        std::optional<std::string> file;  // nullopt: no Kelmar.ini
        bool exists;
        std::string shikona, rank;
        int32_t nengo, month;
    };
    const std::string player = CrLf({"[5]", "Age=123", sj<"NameOfWres=若楓07">, "Stage=3"});
    const std::string season = CrLf({"[Game]", "Nengo=2023", "Basyo6=4"});
    const Case cases[] = {
        {"no saved game", std::nullopt, false, "", "", 0, 0},
        {"the player in slot 5", player + season, true, sj<"若楓">, sj<"関脇">, 2023, 9},
        {"a league without the player's mark",
         CrLf({"[5]", "Age=23", sj<"NameOfWres=若楓07">, "Stage=3"}) + season, true, "", "", 0, 0},
        {"a rank code outside 1 to 5",
         CrLf({"[5]", "Age=123", sj<"NameOfWres=若楓07">, "Stage=6"}) + season, true, "", "", 0, 0},
        {"no calendar", player, true, "", "", 0, 0},
        {"a month beyond November", player + CrLf({"[Game]", "Nengo=2023", "Basyo6=6"}), true, "",
         "", 0, 0},
        {"an empty file", "", true, "", "", 0, 0},
        {"bytes that are no INI", std::string("\x00\xff\x1a[5\r\n", 6), true, "", "", 0, 0},
    };
    for (const Case& c : cases) {
        GameFolder folder;
        if (c.file)
            folder.Write("Kelmar.ini", *c.file);
        const SavedGameGlance glance = GlanceAtSavedGame();
        EXPECT_EQ(glance.exists, c.exists) << c.name;
        EXPECT_EQ(glance.shikona, c.shikona) << c.name;
        EXPECT_EQ(glance.rank, c.rank) << c.name;
        EXPECT_EQ(glance.nengo, c.nengo) << c.name;
        EXPECT_EQ(glance.month, c.month) << c.name;
    }
}

TEST(SavedGame, TheHomesGlanceAtASaveOfTheGame) {
    GameFolder folder;
    folder.CopyAllData();
    const GameState saved = MidCareer();
    SaveGame(saved);
    const SavedGameGlance glance = GlanceAtSavedGame();
    EXPECT_EQ(glance.shikona, DisplayName(saved.NameOfWres[saved.PlayerIndex]));
    EXPECT_EQ(glance.nengo, saved.Nengo);
    EXPECT_EQ(glance.month, 2 * saved.Basyo6 + 1);
    EXPECT_EQ(glance.rank, RankWord(saved.Stage[saved.PlayerIndex][0] - '0'));
}

}  // namespace
}  // namespace kelmar
