// kelmar-sim through the game's own files: a save after a chosen basho, a
// resumed run, hand-made saved games, and the top-ten file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "sim/sim_lines.h"
#include "sim/sim_process.h"
#include "state/encoding.h"
#include "state/saved_game.h"
#include "support/game_folder.h"

namespace kelmar {
namespace {

using testing::CrLf;
using testing::GameFolder;
using testing::Json;
using testing::ParsedLines;
using testing::RunSim;
using testing::SimResult;

// A career that outlasts its first basho by far.
const std::vector<std::string> kLongCareer = {"--clock", "14844,1000", "--pick", "7"};

std::vector<std::string> With(std::vector<std::string> args) {
    args.insert(args.begin(), kLongCareer.begin(), kLongCareer.end());
    return args;
}

std::string Sjis(const std::string& utf8) {
    return Utf8ToShiftJis(utf8);
}

// "Kelmar.ini" as a save writes it for the state a line shows, entry by entry.
std::string SaveOfLine(const Json& line) {
    std::vector<std::string> l = {"[Wres]"};
    for (size_t k = 0; k < 27; ++k)
        l.push_back("Juryo" + std::to_string(k + 1) + "=" + Sjis(line["juryo"][k]));
    for (size_t i = 0; i < 32; ++i) {
        const Json& slot = line["slots"][i];
        l.push_back("[" + std::to_string(i + 1) + "]");
        for (const char* key : {"Age", "Pw", "Sp", "Tc", "E", "LB", "L", "W", "Pnt", "Zaii",
                                "Yusyo", "Twin", "Tlose"}) {
            std::string lower = key;
            std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
            l.push_back(std::string(key) + "=" + std::to_string(slot[lower].get<int>()));
        }
        l.push_back("NameOfWres=" + Sjis(slot["name"]));
        l.push_back("Stage=" + Sjis(slot["stage"]));
        l.push_back("Saiko=" + Sjis(slot["saiko"]));
    }
    const Json& player = line["slots"][line["player"].get<size_t>() - 1];
    const std::vector<std::string> season = {"[Game]",
                                             "PlayersWres=" + Sjis(player["name"]),
                                             "Torikumiday=" + line["day"].dump(),
                                             "Nengo=" + line["nengo"].dump(),
                                             "Basyo6=" + line["basyo6"].dump(),
                                             "LastWin=" + line["lastwin"].dump(),
                                             "Intai=",
                                             "Osyoshin=",
                                             "Ysyoshin=",
                                             "Kanraku=",
                                             "MyP=" + line["myp"].dump(),
                                             "Omake=" + line["omake"].dump()};
    l.insert(l.end(), season.begin(), season.end());
    std::string bytes;
    for (const std::string& entry : l) bytes += entry + "\r\n";
    return bytes;
}

GameState ReadBack() {
    GameState s;
    ReadSavedGame(s);
    return s;
}

std::vector<std::string> Listing(const GameFolder& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder.path()))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Saves after basho 7 of the long career; returns the lines of that run.
std::vector<Json> SaveAfterSeven() {
    const SimResult r = RunSim(With({"--basho", "7", "--save-after", "7"}));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    return ParsedLines(r.out);
}

TEST(SimFiles, SaveAfterBashoSevenLoadsBackAndResumesFromParityZero) {
    GameFolder folder;
    folder.CopyAllData();
    const std::vector<Json> lines = SaveAfterSeven();
    ASSERT_EQ(lines.size(), 7u);
    const Json& seventh = lines.back();
    ASSERT_FALSE(seventh["retired"].get<bool>());

    EXPECT_EQ(folder.Read("Kelmar.ini"), SaveOfLine(seventh));
    const GameState loaded = ReadBack();
    testing::ExpectSavedValuesOfLine(seventh, loaded);
    EXPECT_EQ(ShiftJisToUtf8(loaded.PlayersWres),
              seventh["slots"][seventh["player"].get<size_t>() - 1]["name"]);

    const SimResult resumed = RunSim({"--resume", "--basho", "2", "--careers", "5"});
    ASSERT_EQ(resumed.status, 0) << resumed.err;
    const std::vector<Json> more = ParsedLines(resumed.out);
    ASSERT_EQ(more.size(), 2u);
    EXPECT_EQ(more[0]["basho"], 1) << "the load's own basho is call 1";
    EXPECT_EQ(more[0]["basyo6"], (seventh["basyo6"].get<int>() + 1) % 6);
    // A fresh program holds 0 and 0; the basho just saved tunes them once.
    int most = 0, fewest = 15;
    for (const Json& slot : seventh["slots"]) {
        most = std::max(most, slot["w"].get<int>());
        fewest = std::min(fewest, slot["w"].get<int>());
    }
    EXPECT_EQ(more[0]["underdog"], most >= 14 ? 4 : -4);
    EXPECT_EQ(more[0]["leader"], fewest < 4 ? 4 : -4);
    EXPECT_NE(more[0]["underdog"], seventh["underdog"].get<int>() + (most >= 14 ? 4 : -4))
        << "not the terms of the run that saved";
}

// Every W of a saved game set to 8: no one leaves the league at the next
// assessment, so nothing reseeds the generator before the basho's draws.
std::string NobodyLeaves(const std::string& saved) {
    std::string out;
    for (size_t at = 0, end; (end = saved.find("\r\n", at)) != std::string::npos; at = end + 2) {
        const std::string entry = saved.substr(at, end - at);
        out += (entry.rfind("W=", 0) == 0 ? std::string("W=8") : entry) + "\r\n";
    }
    return out;
}

// The generator's state at the start reaches the draws of a resumed basho
// until a replacement reseeds it from the clock.
TEST(SimFiles, TheSeedCountsInAResumedBashoUntilTheFirstReseed) {
    GameFolder folder;
    folder.CopyAllData();
    SaveAfterSeven();
    auto resume = [](const char* seed) {
        const SimResult r = RunSim({"--resume", "--basho", "1", "--seed", seed});
        EXPECT_EQ(r.status, 0) << r.err;
        return r.out;
    };
    const std::string one = resume("1");
    EXPECT_NE(one.find("十両落ち"), std::string::npos) << "a drop, and its reseed, come first";
    EXPECT_EQ(one, resume("2"));

    folder.Write("Kelmar.ini", NobodyLeaves(folder.Read("Kelmar.ini")));
    const std::string calm = resume("1");
    EXPECT_EQ(calm.find("十両落ち"), std::string::npos);
    EXPECT_NE(calm, resume("2"));
    EXPECT_EQ(calm, resume("1"));

    // The practice level set before the load gives way to the file's.
    const auto practice = RunSim({"--resume", "--basho", "1", "--practice"});
    EXPECT_EQ(ParsedLines(practice.out).front()["omake"], 0);
}

// The saved file rewritten as a person might: lowercase names, spaces around
// "=", comments, a section of his own, a hexadecimal and a negative value.
struct HandMade {
    std::string plain;  // the same values in the form a save writes
    std::string handMade;
    std::string hexName;    // the rikishi whose Zaii is 0x1F
    std::string minusName;  // the rikishi whose Zaii is -5
};

HandMade MakeHandMade(const std::string& saved, const Json& line) {
    // A sekiwake and a komusubi: neither can leave the league at the next assessment.
    size_t hex = 0, minus = 0;
    for (size_t i = 32; i-- > 0;) {
        if (line["slots"][i]["stage"] == "3")
            hex = i + 1;
        if (line["slots"][i]["stage"] == "4")
            minus = i + 1;
    }
    HandMade h;
    h.hexName = line["slots"][hex - 1]["name"];
    h.minusName = line["slots"][minus - 1]["name"];
    size_t section = 0;  // the slot section we are in, 0 outside them
    h.handMade = Sjis("; 手で書いたセーブ\r\n");
    for (size_t at = 0, end; (end = saved.find("\r\n", at)) != std::string::npos; at = end + 2) {
        std::string entry = saved.substr(at, end - at);
        if (entry == "[1]")
            h.handMade += "[Notes]\r\nwho=me\r\nwhen = today\r\n\r\n";
        if (entry.front() == '[') {
            section = entry == "[Wres]" || entry == "[Game]" ? 0 : std::stoul(entry.substr(1));
            h.plain += entry + "\r\n";
            if (entry == "[Wres]")
                entry = "[wres]";
            if (entry == "[Game]")
                entry = "[game]\r\n;note";
            h.handMade += entry + "\r\n";
            continue;
        }
        const size_t eq = entry.find('=');
        std::string key = entry.substr(0, eq);
        std::string value = entry.substr(eq + 1);
        std::string handValue = value;
        if (key == "Zaii" && section == hex)
            value = "31", handValue = "0x1F";
        if (key == "Zaii" && section == minus)
            value = handValue = "-5";
        h.plain += key + "=" + value + "\r\n";
        if (section != 0)
            std::transform(key.begin(), key.end(), key.begin(), ::tolower);
        h.handMade += key + " = " + handValue + "\r\n";
    }
    return h;
}

const Json* SlotNamed(const Json& line, const std::string& name) {
    for (const Json& slot : line["slots"])
        if (slot["name"] == name)
            return &slot;
    return nullptr;
}

TEST(SimFiles, AHandMadeSavedGameResumesAsItsPlainForm) {
    GameFolder folder;
    folder.CopyAllData();
    const std::vector<Json> lines = SaveAfterSeven();
    const HandMade h = MakeHandMade(folder.Read("Kelmar.ini"), lines.back());
    const std::vector<std::string> args = {"--resume", "--basho", "3", "--careers", "9"};

    folder.Write("Kelmar.ini", h.plain);
    const SimResult plain = RunSim(args);
    folder.Write("Kelmar.ini", h.handMade);
    const SimResult handMade = RunSim(args);
    ASSERT_EQ(handMade.status, 0) << handMade.err;
    EXPECT_EQ(handMade.out, plain.out);

    const Json first = ParsedLines(handMade.out).front();
    ASSERT_NE(SlotNamed(first, h.hexName), nullptr);
    ASSERT_NE(SlotNamed(first, h.minusName), nullptr);
    EXPECT_EQ((*SlotNamed(first, h.hexName))["zaii"], 32) << "0x1F and one basho";
    EXPECT_EQ((*SlotNamed(first, h.minusName))["zaii"], -4) << "-5 and one basho";
}

// The sections and keys of an INI text in their order, and its other lines.
std::vector<std::string> Outline(const std::string& bytes) {
    std::vector<std::string> outline;
    for (size_t at = 0, end; (end = bytes.find("\r\n", at)) != std::string::npos; at = end + 2) {
        const std::string entry = bytes.substr(at, end - at);
        const size_t eq = entry.find('=');
        outline.push_back(eq == std::string::npos ? entry
                                                  : entry.substr(0, entry.find_first_of(" =")));
    }
    return outline;
}

TEST(SimFiles, ASaveOverAHandMadeFileKeepsItsCommentsSectionsAndOrder) {
    GameFolder folder;
    folder.CopyAllData();
    const std::vector<Json> lines = SaveAfterSeven();
    const HandMade h = MakeHandMade(folder.Read("Kelmar.ini"), lines.back());
    folder.Write("Kelmar.ini", h.handMade);

    const SimResult r = RunSim({"--resume", "--basho", "1", "--save-after", "1"});
    ASSERT_EQ(r.status, 0) << r.err;
    const Json line = ParsedLines(r.out).front();
    ASSERT_FALSE(line["retired"].get<bool>());
    const std::string after = folder.Read("Kelmar.ini");
    EXPECT_EQ(Outline(after), Outline(h.handMade));
    EXPECT_EQ(after.rfind(Sjis("; 手で書いたセーブ\r\n[wres]\r\nJuryo1="), 0), 0u);
    EXPECT_NE(after.find("\r\n[Notes]\r\nwho=me\r\nwhen = today\r\n\r\n[1]\r\nage="),
              std::string::npos);
    EXPECT_NE(after.find("\r\n[game]\r\n;note\r\nPlayersWres="), std::string::npos);
    EXPECT_EQ(after.find("[Game]"), std::string::npos);
    testing::ExpectSavedValuesOfLine(line, ReadBack());
}

TEST(SimFiles, TopTenFileAfterTwoCareers) {
    GameFolder folder;
    folder.CopyAllData();
    const SimResult r = RunSim({"--files", "--careers", "2", "--basho", "100"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "kelmar-sim: ﾌｧｲﾙが見つかりません\n") << "no Rank.txt yet";
    std::vector<int> scores;
    for (const Json& line : ParsedLines(r.out))
        if (line["retired"])
            scores.push_back(line["myp"]);
    ASSERT_EQ(scores, (std::vector<int>{300, 233}));
    EXPECT_EQ(folder.Read("Rank.txt"),
              CrLf({"Unknown", "300", "Unknown", "233", "", "0", "", "0", "", "0",
                    "",        "0",   "",        "0",   "", "0", "", "0", "", "0"}));

    // A table of earlier careers: equal scores stay ahead of the new ones.
    const std::string table =
        CrLf({Sjis("大関"), "5000", Sjis("関脇"), "300", Sjis("小結"), "250", Sjis("前頭"), "233"});
    folder.Write("Rank.txt", table);
    const SimResult again = RunSim({"--files", "--careers", "2", "--basho", "100"});
    EXPECT_EQ(again.err, "");
    EXPECT_EQ(
        folder.Read("Rank.txt"),
        CrLf({Sjis("大関"), "5000",       Sjis("関脇"), "300",     "Unknown", "300", Sjis("小結"),
              "250",        Sjis("前頭"), "233",        "Unknown", "233",     "",    "0",
              "",           "0",          "",           "0",       "",        "0"}));

    // Without --files the table starts empty and the file is left alone.
    folder.Write("Rank.txt", table);
    EXPECT_EQ(RunSim({"--careers", "2", "--basho", "100"}).status, 0);
    EXPECT_EQ(folder.Read("Rank.txt"), table);
}

TEST(SimFiles, ABadTopTenFileIsReportedAndReadAsFarAsItGoes) {
    GameFolder folder;
    folder.CopyAllData();
    folder.Write("Rank.txt", CrLf({"A", "500", "B", "abc"}));
    const SimResult r = RunSim({"--files", "--careers", "1"});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "kelmar-sim: 入力値が数値ではありません\n");
    EXPECT_EQ(folder.Read("Rank.txt"),
              CrLf({"A", "500", "Unknown", "300", "B", "0", "", "0", "", "0",
                    "",  "0",   "",        "0",   "",  "0", "", "0", "", "0"}));
}

TEST(SimFiles, NoSavedGameToResume) {
    GameFolder folder;
    folder.CopyAllData();
    const auto before = Listing(folder);
    const SimResult r = RunSim({"--resume", "--files"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "kelmar-sim: ﾌｧｲﾙが見つかりません\nkelmar-sim: ﾌｧｲﾙが見つかりません\n")
        << "Rank.txt and then Kelmar.ini";
    EXPECT_EQ(Listing(folder), before) << "nothing is written";
}

TEST(SimFiles, NoSaveAfterACallThatEndedACareer) {
    GameFolder folder;
    folder.CopyAllData();
    const SimResult r = RunSim({"--save-after", "2", "--basho", "3", "--careers", "5"});
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(ParsedLines(r.out)[1]["retired"].get<bool>());
    EXPECT_EQ(r.err, "kelmar-sim: call 2 ended a career: no game is saved\n");
    EXPECT_EQ(folder.Read("Kelmar.ini"), "");

    const SimResult early = RunSim({"--save-after", "5", "--basho", "9", "--careers", "1"});
    EXPECT_EQ(early.err, "kelmar-sim: the run ended after call 2: no game is saved\n");
}

}  // namespace
}  // namespace kelmar
