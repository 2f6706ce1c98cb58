// Broken data carried through a whole basho: a pairing field that is no slot,
// a shikona too short for its digits, a rank code the chart has no cell for, a
// portrait number without a cell on the sheet, figures at the edge of 32 bits. Each stops
// the basho with the game's text at the step that reads it, or is refused when
// its file is read; none may read or write beyond what the state holds. The
// rules refuse a value when they build the data of the moment that shows it,
// so every frontend sees the same refusal. Run
// under the sanitizers, a crash or overflow fails the test.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "basho/new_career.h"
#include "basho/procedures.h"
#include "state/errors.h"
#include "state/roster.h"
#include "state/saved_game.h"
#include "state/shift_jis_literal.h"
#include "state/strings.h"
#include "support/fixed_clock.h"
#include "support/game_error.h"
#include "support/game_folder.h"
#include "support/scripted_frontend.h"

namespace kelmar {
namespace {

using testing::FixedClock;
using testing::GameErrorOf;
using testing::GameFolder;
using testing::ScriptedFrontend;

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A shipped data file of the folder with line `number` (from 1) changed.
std::string EditLine(const GameFolder& folder, const char* file, int number,
                     const std::function<std::string(std::string)>& edit) {
    const std::string bytes = folder.Read(file);
    std::vector<std::string> lines;
    for (size_t at = 0; at < bytes.size();) {
        const size_t end = bytes.find("\r\n", at);
        lines.push_back(bytes.substr(at, end - at));
        at = end == std::string::npos ? bytes.size() : end + 2;
    }
    std::string& line = lines.at(static_cast<size_t>(number - 1));
    line = edit(line);
    std::string out;
    for (const std::string& l : lines) out += l + "\r\n";
    folder.Write(file, out);
    return line;
}

// A new career on the data of the folder, up to the end of its first basho
// (or the error that ends it).
struct NewCareer {
    GameFolder folder;
    GameState s;
    ScriptedFrontend fe{s};
    FixedClock clock{8};

    NewCareer() { folder.CopyAllData(); }
    std::string Play() {
        return GameErrorOf([&] {
            NewGame(s);
            PickJuryo(s, 5, clock);
            ConfirmCareer(s, fe, clock);
        });
    }
};

// A career one basho in, whose state a test breaks as a saved game could hold
// it; the player is safe from retirement in the next assessment.
struct NextBasho : NewCareer {
    NextBasho() {
        EXPECT_EQ(Play(), "no error");
        s.W[s.PlayerIndex] = 10;
        fe.calls.clear();
    }
    std::string Run() {
        return GameErrorOf([&] { RunBasho(s, fe, clock); });
    }
};

TEST(BadData, FilesRefusedWhenTheyAreRead) {
    struct Case {
        const char* file;
        int line;
        std::function<std::string(std::string)> edit;
        std::string message;  // after the name of the file and the line
    } cases[] = {
        {kMatchFile, 3, [](std::string l) { return l.replace(4, 2, "33"); },
         sj<"番付の位置 33 は 1..32 の範囲外です">},
        {kMatchFile, 15, [](std::string l) { return l.replace(62, 2, "00"); },
         sj<"番付の位置 0 は 1..32 の範囲外です">},
        {kMatchFile, 1, [](std::string l) { return l.replace(0, 2, "-1"); },
         sj<"番付の位置 -1 は 1..32 の範囲外です">},
        {kRosterFile, 9, [](std::string l) { return l.replace(l.size() - 3, 2, "00"); }, ""},
        {kJuryoFile, 4, [](std::string l) { return l.replace(l.size() - 2, 2, "-1"); }, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + IntToStr(c.line));
        NewCareer career;
        const std::string line = EditLine(career.folder, c.file, c.line, c.edit);
        std::string message = c.message;
        if (message.empty()) {
            const std::string shikona =
                c.file == std::string(kRosterFile) ? line.substr(0, line.size() - 1) : line;
            message = sj<"四股名 "> + shikona + sj<" の絵の番号 "> +
                      IntToStr(PortraitNumber(shikona)) + sj<" は 1 より小さいです">;
        }
        EXPECT_EQ(career.Play(),
                  std::string(c.file) + sj<" の "> + IntToStr(c.line) + sj<" 行目: "> + message);
        EXPECT_TRUE(career.fe.calls.empty()) << "no basho is started";
        EXPECT_EQ(career.s.RosterLoaded, 0);
    }
}

// A saved game resumed with a broken pairing table keeps what it read and
// starts no basho.
TEST(BadData, LoadWithARefusedPairingTable) {
    NextBasho career;
    SaveGame(career.s);
    EditLine(career.folder, kMatchFile, 7, [](std::string l) { return l.replace(20, 2, "40"); });
    GameState loaded;
    EXPECT_EQ(GameErrorOf([&] { LoadGame(loaded); }),
              sj<"Match.txt の 7 行目: 番付の位置 40 は 1..32 の範囲外です">);
    EXPECT_EQ(loaded.NameOfWres, career.s.NameOfWres);
    EXPECT_EQ(loaded.RosterLoaded, 0);
}

std::string SlotOneInEveryField(const std::string&) {
    std::string line;
    for (int field = 1; field <= 32; ++field) line += "01";
    return line;
}

// The charts of a basho that the sheet has no cell for: each carries its
// refusal to the chart window, and the basho plays on.
std::vector<std::string> RefusedCharts(const ScriptedFrontend& fe) {
    std::vector<std::string> refusals;
    for (const std::string& call : fe.calls)
        if (call.rfind("ShowDailyChart ", 0) == 0)
            refusals.push_back(call.substr(15));
    return refusals;
}

// A field that is no number passes the reading and stops the day that reads
// it, before its card is shown.
TEST(BadData, MalformedPairingLineStopsItsDay) {
    struct Case {
        int day;
        std::function<std::string(std::string)> edit;
        std::string message;
    } cases[] = {
        {4, [](std::string l) { return l.replace(26, 2, "0x"); }, sj<"'0x' は整数ではありません">},
        {9, [](std::string l) { return l.substr(0, 40); }, sj<"'' は整数ではありません">},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.day);
        NewCareer career;
        EditLine(career.folder, kMatchFile, c.day, c.edit);
        EXPECT_EQ(career.Play(), c.message);
        const int daysBefore = c.day - 1;
        EXPECT_EQ(career.fe.Count("DayBegins"), daysBefore);
        EXPECT_EQ(career.fe.Count("DayEnds"), daysBefore);
        EXPECT_EQ(career.fe.Count("ShowDailyChart"), daysBefore);
        EXPECT_EQ(career.fe.Count("BashoEnds"), 0);
        EXPECT_FALSE(career.s.BashoRunning);
    }
}

// A slot named in every pair fights sixteen times and so has more wins than
// the chart has digits: that evening's chart says so, and the basho goes on.
TEST(BadData, SlotInEveryPairOverflowsTheChartsDigits) {
    NewCareer career;
    EditLine(career.folder, kMatchFile, 1, SlotOneInEveryField);
    EXPECT_EQ(career.Play(), "no error");
    const std::vector<std::string> refusals = RefusedCharts(career.fe);
    ASSERT_FALSE(refusals.empty());
    EXPECT_EQ(refusals[0], sj<"力士.bmp には勝ち数 16 の絵がありません">);
    EXPECT_EQ(career.fe.Count("ShowDailyChart"), 15);
    EXPECT_EQ(career.fe.Count("BashoEnds"), 1);
}

// An empty or one-letter shikona has no portrait digits: the first picture of
// the basho stops with the conversion error. One digit alone is a portrait
// number with an empty display name, and the basho plays on.
TEST(BadData, ShikonaTooShortForItsDigits) {
    struct Case {
        const char* nameLine;  // record 6 of the roster: shikona and rank code
        std::string message;
    } cases[] = {
        {"5", sj<"'' は整数ではありません">},
        {"x5", sj<"'x' は整数ではありません">},
        {"75", "no error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nameLine);
        NewCareer career;
        EditLine(career.folder, kRosterFile, 11, [&](std::string) { return c.nameLine; });
        EXPECT_EQ(career.Play(), c.message);
        EXPECT_EQ(career.fe.Count("ShowNewspaper"), 1);
        if (c.message == "no error") {
            EXPECT_EQ(career.fe.Count("BashoEnds"), 1);
            int shortNames = 0;
            for (int i = 1; i <= kSlots; ++i) shortNames += career.s.NameOfWres[i] == "7";
            EXPECT_EQ(shortNames, 1);
        } else {
            EXPECT_EQ(career.fe.Count("DayBegins"), 0);
        }
    }
}

TEST(BadData, RankCodeOutsideOneToFive) {
    {
        // Above the first sekiwake a code is kept as it is: the chart has no cell.
        NextBasho career;
        career.s.Stage[1] = "0";
        career.s.Pnt[1] = 99;
        const std::string name = DisplayName(career.s.NameOfWres[1]);
        EXPECT_EQ(career.Run(), "no error");
        EXPECT_EQ(career.s.Stage[1], "0");
        EXPECT_EQ(RefusedCharts(career.fe),
                  std::vector<std::string>(15, sj<"力士.bmp には番付 0 の絵がありません">));
        EXPECT_EQ(career.fe.Count("BashoEnds"), 1);
        int labelled = 0;  // shown without a rank word
        for (const std::string& call : career.fe.calls)
            labelled +=
                call.rfind("BoutBegins ", 0) == 0 &&
                (call.find(" " + name + " ") != std::string::npos || EndsWith(call, " " + name));
        EXPECT_EQ(labelled, 15) << "one bout a day, each without a rank word";
    }
    {
        // Below it the rewrite hands out a code by position.
        NextBasho career;
        career.s.Stage[20] = "9";
        EXPECT_EQ(career.Run(), "no error");
        for (int i = 1; i <= kSlots; ++i)
            EXPECT_TRUE(career.s.Stage[i] >= "1" && career.s.Stage[i] <= "5");
        EXPECT_EQ(career.fe.Count("BashoEnds"), 1);
    }
    {
        NextBasho career;
        career.s.Stage[12] = "x";
        EXPECT_EQ(career.Run(), sj<"'x' は整数ではありません">);
        EXPECT_EQ(career.fe.Count("ShowNewspaper"), 0);
    }
}

// The sheet has figures for portraits 1 to 72 and name plates for 1 to 60. A
// number without a figure stops the basho before its first day is shown; one
// with a figure but no plate plays the basho, and every chart says so.
TEST(BadData, PortraitNumberWithoutACell) {
    const struct {
        const char* digits;
        bool figure;
    } cases[] = {{"00", false}, {"-4", false}, {"73", false},
                 {"99", false}, {"72", true},  {"61", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.digits);
        NextBasho career;
        career.s.NameOfWres[7] = DisplayName(career.s.NameOfWres[7]) + c.digits;
        const std::string refusal = sj<"力士.bmp には四股名の番号 "> +
                                    IntToStr(StrToInt(c.digits)) + sj<" の絵がありません">;
        EXPECT_EQ(career.Run(), c.figure ? "no error" : refusal);
        EXPECT_EQ(career.fe.Count("ShowNewspaper"), 1);
        EXPECT_EQ(career.fe.Count("DayBegins"), c.figure ? 15 : 0);
        EXPECT_EQ(RefusedCharts(career.fe), std::vector<std::string>(c.figure ? 15 : 0, refusal));
    }
    NextBasho career;
    career.s.NameOfWres[7] = DisplayName(career.s.NameOfWres[7]) + "60";
    EXPECT_EQ(career.Run(), "no error");
}

// A count that would pass 32 bits is refused before the record is written.
TEST(BadData, RecordsAtTheEdgeOf32Bits) {
    struct Field {
        const char* name;
        SlotArray<int32_t> GameState::*values;
    };
    for (const Field& field :
         {Field{"Twin", &GameState::Twin}, Field{"Tlose", &GameState::Tlose}}) {
        SCOPED_TRACE(field.name);
        NextBasho career;
        for (int i = 1; i <= kSlots; ++i) (career.s.*field.values)[i] = INT32_MAX;
        const std::string error = career.Run();
        EXPECT_EQ(error.rfind(std::string(field.name) + "[", 0), 0u) << error;
        EXPECT_TRUE(EndsWith(error, sj<"] の値 2147483647 に 1 を足すと範囲外です">)) << error;
        EXPECT_EQ(career.fe.Count("BoutFought"), 0);
        int64_t wins = 0;
        for (int i = 1; i <= kSlots; ++i) wins += career.s.W[i];
        EXPECT_EQ(wins, 0) << "the first bout wrote nothing";
    }
    {
        NextBasho career;
        for (int i = 1; i <= kSlots; ++i) career.s.Yusyo[i] = INT32_MAX;
        const std::string error = career.Run();
        EXPECT_EQ(error, "Yusyo[" + IntToStr(career.s.LastWin) +
                             sj<"] の値 2147483647 に 1 を足すと範囲外です">);
        EXPECT_EQ(career.s.Yusyo[career.s.LastWin], INT32_MAX);
        EXPECT_EQ(career.fe.Count("DayBegins"), 0);
    }
}

// Career wins and losses that cancel out leave no win rate to compute: the
// opponent report and the score name them instead of dividing by zero.
TEST(BadData, CareerRecordThatCancelsOut) {
    {
        NextBasho career;
        const int p = career.s.PlayerIndex;
        career.s.Twin[p] = 5;
        career.s.Tlose[p] = -20;  // 15 bouts later the two add up to 0
        const int32_t score = career.s.MyP;
        const std::string error = career.Run();
        const int q = career.s.PlayerIndex;
        EXPECT_EQ(error, "Twin[" + IntToStr(q) + "] " + IntToStr(career.s.Twin[q]) +
                             sj<" と Tlose["> + IntToStr(q) + "] " + IntToStr(career.s.Tlose[q]) +
                             sj<" では勝率が出せません">);
        EXPECT_GT(career.s.Twin[q], 0);
        EXPECT_EQ(career.fe.Count("DayEnds"), 15);
        EXPECT_EQ(career.fe.Count("BashoEnds"), 0);
        EXPECT_EQ(career.s.MyP, score);
    }
    {
        NextBasho career;
        career.fe.openReport = true;
        for (int i = 1; i <= kSlots; ++i) {
            if (career.s.IsPlayerSlot(i))
                continue;
            career.s.Twin[i] = 5;
            career.s.Tlose[i] = -5;
            career.s.Zaii[i] = 5;  // the report's fourth line needs a tenure above 1
        }
        const std::string error = career.Run();
        const int o =
            career.s.IsPlayerSlot(career.s.EastSlot) ? career.s.WestSlot : career.s.EastSlot;
        EXPECT_EQ(error, "Twin[" + IntToStr(o) + sj<"] 5 と Tlose["> + IntToStr(o) +
                             sj<"] -5 では勝率が出せません">);
        EXPECT_EQ(career.fe.Count("AskTactic"), 1);
        EXPECT_EQ(career.fe.Count("ShowOpponentReport"), 0);
    }
}

// A league without the player's mark, or with two, would have the basho score
// the wrong record; it stops before the newspaper instead.
TEST(BadData, LeagueWithoutOneMarkedPlayer) {
    {
        NextBasho career;
        career.s.Age[career.s.PlayerIndex] -= 100;
        EXPECT_EQ(career.Run(), sj<"番付に自分の力士がいません">);
        EXPECT_EQ(career.fe.Count("ShowNewspaper"), 0);
        EXPECT_EQ(career.fe.Count("DayBegins"), 0);
    }
    {
        NextBasho career;
        const int other = career.s.PlayerIndex == 1 ? 2 : 1;
        career.s.Age[other] += 100;
        career.s.W[other] = 10;  // safe from retirement, as the player is
        EXPECT_EQ(career.Run(), sj<"番付に自分の力士が 2 人います">);
        EXPECT_EQ(career.fe.Count("ShowNewspaper"), 0);
    }
}

}  // namespace
}  // namespace kelmar
