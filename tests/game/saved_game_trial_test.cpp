// A saved game tried before it is taken: the good one plays, each spoiled one
// is refused with the game's error, and the trial leaves every file and the
// process's folder as they were.
#include "game/saved_game_trial.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <regex>

#include "game/game.h"
#include "support/fixed_clock.h"
#include "support/game_folder.h"

namespace kelmar {
namespace {

using testing::FixedClock;
using testing::GameFolder;

// A saved game after one basho whose resume reaches the bouts: a career
// that ends at the next assessment would never read its shikona again.
std::string SavedAfterOneBasho(const GameFolder& folder) {
    struct Watcher : HeadlessFrontend {
        int newspapers = 0;
        void ShowNewspaper(const std::string&) override { ++newspapers; }
        void CareerEnds(const GameState&) override {}
    };
    for (int pick = 1; pick <= kJuryo; ++pick) {
        GameState state;
        HeadlessFrontend face;
        FixedClock clock(4000000 + pick);
        Game game(state, face, clock);
        game.SetAnimation(false);
        game.NewGame();
        game.Pick(pick);
        game.Confirm();
        game.Save();
        const std::string saved = folder.Read("Kelmar.ini");
        GameState again;
        Watcher watcher;
        Game resumed(again, watcher, clock);
        resumed.Resume();
        folder.Write("Kelmar.ini", saved);
        if (watcher.newspapers == 1)
            return saved;
    }
    ADD_FAILURE() << "every career ended after its first basho";
    return "";
}

// The section of the player's rikishi: the one whose age carries his mark.
std::string WithPlayersLine(const std::string& save, const std::string& key,
                            const std::string& value) {
    const std::regex section(R"(\[(\d+)\]\r\nAge=1\d\d\r\n)");
    std::smatch found;
    EXPECT_TRUE(std::regex_search(save, found, section));
    const size_t start = static_cast<size_t>(found.position(0));
    const size_t end = save.find("\r\n[", start + 1);
    const size_t line = save.find("\r\n" + key + "=", start);
    EXPECT_LT(line, end) << key;
    const size_t lineEnd = save.find("\r\n", line + 2);
    return save.substr(0, line + 2 + key.size() + 1) + value + save.substr(lineEnd);
}

std::string Cwd() {
    char buffer[PATH_MAX + 1];
    return ::getcwd(buffer, sizeof buffer) != nullptr ? buffer : "";
}

TEST(SavedGameTrial, TheGoodPlaysAndTheSpoiledAreRefused) {
    GameFolder game;
    game.CopyAllData();
    const std::string good = SavedAfterOneBasho(game);
    ASSERT_NE(good.find("[Wres]"), std::string::npos);

    GameFolder trial;
    trial.CopyAllData();
    const std::string here = Cwd();
    const struct {
        const char* what;
        std::string bytes;
        bool refused;
    } cases[] = {
        {"the good save", good, false},
        {"a rank that is no number", WithPlayersLine(good, "Stage", "x"), true},
        {"an empty shikona", WithPlayersLine(good, "NameOfWres", ""), true},
        {"a shikona without its portrait number", WithPlayersLine(good, "NameOfWres", "ab"), true},
        {"a portrait the sheet lacks", WithPlayersLine(good, "NameOfWres", "ab99"), true},
        {"no rikishi of the player's", WithPlayersLine(good, "Age", "25"), true},
        {"a file cut short", good.substr(0, good.size() / 3), true},
        {"an empty file", "", true},
    };
    for (const auto& c : cases) {
        trial.Write("Kelmar.ini", c.bytes);
        const std::optional<std::string> refusal = SavedGameRefusal(trial.path());
        EXPECT_EQ(refusal.has_value(), c.refused) << c.what << ": " << refusal.value_or("");
        EXPECT_NE(refusal.value_or("x"), "") << c.what << ": a refusal has its text";
        EXPECT_EQ(trial.Read("Kelmar.ini"), c.bytes) << c.what << ": the trial writes nothing";
        EXPECT_EQ(Cwd(), here) << c.what;
        EXPECT_EQ(trial.Read("Rank.txt"), "") << c.what;
    }
    EXPECT_EQ(game.Read("Kelmar.ini"), good) << "the kept save untouched";
}

TEST(SavedGameTrial, AFolderThatCannotBeEnteredIsARefusal) {
    const std::string here = Cwd();
    EXPECT_TRUE(SavedGameRefusal("/no/such/folder").has_value());
    EXPECT_EQ(Cwd(), here);
}

}  // namespace
}  // namespace kelmar
