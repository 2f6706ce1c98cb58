// The lines of kelmar-sim, checked through the program itself: their keys,
// order and types, the values against the same script played here with the
// rules directly, and what changes a run and what does not.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "basho/new_career.h"
#include "basho/procedures.h"
#include "sim/sim_lines.h"
#include "sim/sim_process.h"
#include "state/encoding.h"
#include "support/game_folder.h"
#include "support/scripted_frontend.h"

namespace kelmar {
namespace {

using testing::GameFolder;
using testing::Json;
using testing::kSlotKeys;
using testing::Lines;
using testing::RunSim;
using testing::ScriptedFrontend;

const std::vector<std::string> kLineKeys = {
    "basho", "nengo",  "basyo6",  "day",   "myp",    "underdog", "leader", "lastwin",
    "omake", "player", "retired", "paper", "report", "slots",    "juryo",  "rng"};
std::vector<std::string> Keys(const Json& object) {
    std::vector<std::string> keys;
    for (const auto& item : object.items()) keys.push_back(item.key());
    return keys;
}

// The newspaper's lines end in a line feed followed by a carriage return.
bool PaperLineEnds(const std::string& paper) {
    if (paper.size() < 2 || paper.substr(paper.size() - 2) != "\n\r")
        return false;
    for (size_t i = 0; i < paper.size(); ++i) {
        if (paper[i] == '\n' && (i + 1 == paper.size() || paper[i + 1] != '\r'))
            return false;
        if (paper[i] == '\r' && (i == 0 || paper[i - 1] != '\n'))
            return false;
    }
    return true;
}

void ExpectLineShape(const std::string& text, const Json& line) {
    EXPECT_EQ(text, line.dump()) << "one compact object per line";
    ASSERT_EQ(Keys(line), kLineKeys);
    for (const char* key : {"basho", "nengo", "basyo6", "day", "myp", "underdog", "leader",
                            "lastwin", "omake", "player"})
        EXPECT_TRUE(line[key].is_number_integer()) << key;
    EXPECT_TRUE(line["retired"].is_boolean());
    EXPECT_TRUE(line["paper"].is_string());
    EXPECT_TRUE(line["rng"].is_number_unsigned());
    ASSERT_EQ(line["slots"].size(), 32u);
    for (const Json& slot : line["slots"]) {
        ASSERT_EQ(Keys(slot), kSlotKeys);
        for (const char* key : {"name", "stage", "saiko"}) EXPECT_TRUE(slot[key].is_string());
        for (size_t k = 3; k < kSlotKeys.size(); ++k)
            EXPECT_TRUE(slot[kSlotKeys[k]].is_number_integer()) << kSlotKeys[k];
    }
    ASSERT_EQ(line["juryo"].size(), 27u);
    for (const Json& name : line["juryo"]) EXPECT_TRUE(name.is_string());

    const std::string paper = line["paper"];
    if (line["retired"]) {
        EXPECT_EQ(paper, "") << "no newspaper in the call that ends a career";
        ASSERT_TRUE(line["report"].is_array());
        ASSERT_EQ(line["report"].size(), 4u);
        EXPECT_EQ(line["report"][1], "力尽きて引退です｡");
    } else {
        EXPECT_TRUE(line["report"].is_null());
        EXPECT_EQ(paper.rfind("                  毎読スポーツ速報  \n\r\n\r先場所優勝力士、", 0),
                  0u);
        EXPECT_TRUE(PaperLineEnds(paper)) << paper;
    }
}

TEST(SimOutput, ShortRunHasTheFixedKeysOrderAndTypes) {
    GameFolder folder;
    folder.CopyAllData();
    const auto r = RunSim({"--basho", "6", "--careers", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto lines = Lines(r.out);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind(R"({"basho":1,"nengo":2020,"basyo6":1,"day":15,"myp":)", 0), 0u)
        << lines[0].substr(0, 80);
    int retired = 0;
    for (size_t n = 0; n < lines.size(); ++n) {
        SCOPED_TRACE("line " + std::to_string(n + 1));
        const Json line = Json::parse(lines[n]);
        ExpectLineShape(lines[n], line);
        EXPECT_EQ(line["basho"], n + 1);
        retired += line["retired"].get<bool>();
    }
    EXPECT_EQ(retired, 2) << "the run ends with its second career";
    EXPECT_TRUE(Json::parse(lines.back())["retired"].get<bool>());
}

// The same script, played here with the rules and the test's own player:
// New game, pick 1, confirm, Next ..., and after a retirement New game again.
TEST(SimOutput, LinesHoldTheGameStateOfTheSameScriptPlayedDirectly) {
    GameFolder folder;
    folder.CopyAllData();
    const auto r = RunSim({"--basho", "7", "--careers", "9", "--clock", "86399000,1700"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 7u);

    struct StepClock : Clock {
        int64_t k = 0;
        int32_t MillisecondOfDay() override {
            return static_cast<int32_t>((86399000 + 1700 * k++) % 86400000);
        }
    } clock;
    GameState s;
    ScriptedFrontend fe(s);
    fe.writeTopTen = false;
    bool careerStarts = true;
    for (const std::string& text : lines) {
        const Json line = Json::parse(text);
        SCOPED_TRACE("basho " + std::to_string(line["basho"].get<int>()));
        if (careerStarts) {
            NewGame(s);
            PickJuryo(s, 1, clock);
        }
        const size_t pages = fe.pages.size();
        const size_t reports = fe.careerReports.size();
        ConfirmCareer(s, fe, clock);
        careerStarts = fe.careerReports.size() > reports;

        EXPECT_EQ(line["retired"], careerStarts);
        EXPECT_EQ(line["paper"], fe.pages.size() > pages ? ShiftJisToUtf8(fe.pages.back()) : "");
        if (careerStarts) {
            const ReportLines& report = fe.careerReports.back();
            EXPECT_EQ(line["report"],
                      Json::array({ShiftJisToUtf8(report.Label3), ShiftJisToUtf8(report.Label1),
                                   ShiftJisToUtf8(report.Label2), ShiftJisToUtf8(report.Label4)}));
        }
        testing::ExpectSavedValuesOfLine(line, s);
        EXPECT_EQ(line["underdog"], s.UnderdogBonus);
        EXPECT_EQ(line["leader"], s.LeaderPenalty);
        EXPECT_EQ(line["player"], s.PlayerIndex);
        EXPECT_EQ(line["rng"], s.Rng.state);
    }
    EXPECT_GE(fe.careerReports.size(), 1u) << "the script should cross a retirement";
    EXPECT_EQ(fe.Count("AskName"), static_cast<int>(fe.careerReports.size()))
        << "an empty table takes every career's score";
}

// A change of behaviour changes this number; a commit that changes it says why.
TEST(SimOutput, SignatureOfAFixedRun) {
    GameFolder folder;
    folder.CopyAllData();
    const auto r =
        RunSim({"--clock", "8000,1000", "--tactic", "cycle", "--basho", "60", "--careers", "3"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Lines(r.out).size(), 46u) << "three careers, the last of 43 basho";
    EXPECT_EQ(testing::Signature(r.out), 16145122239961237361u);
}

TEST(SimOutput, SameArgumentsGiveTheSameBytes) {
    GameFolder folder;
    folder.CopyAllData();
    const std::vector<std::string> args = {"--clock", "5000,333",   "--tactic",
                                           "cycle",   "--practice", "--basho",
                                           "30",      "--careers",  "3"};
    const auto first = RunSim(args);
    const auto second = RunSim(args);
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_FALSE(first.out.empty());
    EXPECT_EQ(first.out, second.out);
}

TEST(SimOutput, TheClockChangesARunTheSeedAloneDoesNot) {
    GameFolder folder;
    folder.CopyAllData();
    const std::vector<std::string> base = {"--basho", "12", "--careers", "5"};
    auto with = [&](std::vector<std::string> more) {
        more.insert(more.begin(), base.begin(), base.end());
        const auto r = RunSim(more);
        EXPECT_EQ(r.status, 0) << r.err;
        return r.out;
    };
    const std::string plain = with({});
    EXPECT_EQ(plain, with({"--clock", "0,1000"})) << "the defaults";
    EXPECT_NE(plain, with({"--clock", "1,1000"})) << "another start";
    EXPECT_NE(plain, with({"--clock", "0,999"})) << "another step";
    // The pick reseeds the generator from the clock before its first draw, so
    // the generator's first state never reaches a draw.
    EXPECT_EQ(plain, with({"--seed", "123456789"}));
}

TEST(SimOutput, PracticePickAndTacticReachTheLeague) {
    GameFolder folder;
    folder.CopyAllData();
    const auto practice = RunSim({"--practice", "--pick", "5", "--basho", "3", "--careers", "9"});
    ASSERT_EQ(practice.status, 0) << practice.err;
    const Json first = Json::parse(Lines(practice.out).front());
    EXPECT_EQ(first["omake"], 10);
    const Json& player = first["slots"][first["player"].get<size_t>() - 1];
    EXPECT_EQ(player["name"], first["juryo"][4]) << "juryo entry 5";
    EXPECT_GT(player["age"].get<int>(), 100);
    EXPECT_EQ(player["e"], 16) << "the practice level's experience";

    const auto one = RunSim({"--basho", "3", "--careers", "9", "--tactic", "1"});
    const auto three = RunSim({"--basho", "3", "--careers", "9", "--tactic", "3"});
    EXPECT_EQ(one.out, RunSim({"--basho", "3", "--careers", "9"}).out) << "tactic 1 is the default";
    EXPECT_NE(one.out, three.out);
}

TEST(SimOutput, WritesNothingIntoTheGameFolder) {
    GameFolder folder;
    folder.CopyAllData();
    auto listing = [&] {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(folder.path()))
            names.push_back(e.path().filename().string() + ":" +
                            std::to_string(std::filesystem::file_size(e.path())));
        std::sort(names.begin(), names.end());
        return names;
    };
    const auto before = listing();
    const auto r = RunSim({"--basho", "20", "--careers", "3"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"retired\":true"), std::string::npos) << "a career ended";
    EXPECT_EQ(listing(), before) << "no Rank.txt, no Kelmar.ini";
}

TEST(SimOutput, MissingDataFilesGiveTheGamesMessage) {
    GameFolder folder;
    const auto r = RunSim({"--basho", "2"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "kelmar-sim: ﾌｧｲﾙが見つかりません\n");

    folder.CopyData("juryo.txt");  // New game and the pick work, the confirm fails
    const auto confirm = RunSim({"--basho", "2"});
    EXPECT_EQ(confirm.status, 1);
    EXPECT_EQ(confirm.err, "kelmar-sim: ﾌｧｲﾙが見つかりません\n");
}

}  // namespace
}  // namespace kelmar
