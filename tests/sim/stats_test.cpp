// The summary of --stats against what the newspaper printed in the same run.
#include <gtest/gtest.h>

#include <sstream>

#include "sim/league_stats.h"
#include "sim/sim_process.h"
#include "state/encoding.h"
#include "state/roster.h"
#include "state/strings.h"
#include "support/game_folder.h"

namespace kelmar::sim {
namespace {

struct PaperCounts {
    int retirements = 0;
    int drops = 0;
    int yokozuna = 0;
    int ozeki = 0;
    int demotionLines = 0;
};

std::vector<std::string> PaperLines(const std::string& paper) {
    std::vector<std::string> lines;
    for (size_t at = 0, end; (end = paper.find("\n\r", at)) != std::string::npos; at = end + 2)
        lines.push_back(paper.substr(at, end - at));
    return lines;
}

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// Promotions are printed as the display names one after the other; no name of
// the data files begins another, so they can be read off greedily.
int NamesIn(std::string text, const std::vector<std::string>& names) {
    int n = 0;
    while (!text.empty()) {
        size_t before = text.size();
        for (const std::string& name : names)
            if (text.rfind(name, 0) == 0) {
                text.erase(0, name.size());
                ++n;
                break;
            }
        if (text.size() == before)
            return -1;  // not a list of names
    }
    return n;
}

std::string Before(const std::string& line, const std::string& ending) {
    const size_t at = line.size() - std::min(line.size(), ending.size());
    return line.compare(at, std::string::npos, ending) == 0 ? line.substr(0, at) : std::string();
}

void CountPaper(const std::string& paper, const std::vector<std::string>& names, PaperCounts& c) {
    for (const std::string& line : PaperLines(ShiftJisToUtf8(paper))) {
        if (line.rfind("惜しまれつつも引退へ", 0) == 0)
            c.retirements += Count(line, "、");
        if (line.rfind("十両落ち", 0) == 0)
            c.drops += Count(line, "、");
        if (line.rfind("大関陥落！", 0) == 0)
            c.demotionLines += 1;
        if (auto list = Before(line, "、横綱誕生だ！新時代幕開け"); !list.empty())
            c.yokozuna += NamesIn(list, names);
        if (auto list = Before(line, "、新大関に、地元フィーバー！"); !list.empty())
            c.ozeki += NamesIn(list, names);
    }
}

std::vector<std::string> DisplayNames() {
    GameState s;
    LoadRoster(s);
    LoadJuryoNames(s);
    std::vector<std::string> names;
    for (int i = 1; i <= kRosterSlots; ++i)
        names.push_back(ShiftJisToUtf8(DisplayName(s.NameOfWres[i])));
    for (int k = 1; k <= kJuryo; ++k) names.push_back(ShiftJisToUtf8(DisplayName(s.Juryo[k])));
    return names;
}

PaperCounts Counted(const LeagueStats& stats) {
    return {static_cast<int>(stats.retirements()), static_cast<int>(stats.drops()),
            static_cast<int>(stats.yokozunaPromotions()), static_cast<int>(stats.ozekiPromotions()),
            static_cast<int>(stats.ozekiDemotions())};
}

// Call by call, the summary counts what that call's newspaper reports of its
// assessment. The first paper of a later career also carries the lists of the
// assessment that ended the career before, which no basho followed; those
// calls are left out.
TEST(SimStats, LeagueEventsAgreeWithTheNewspapers) {
    testing::GameFolder folder;
    folder.CopyAllData();
    SimOptions options;
    options.basho = 3000;
    options.careers = options.basho;
    LeagueRun run(options);
    LeagueStats stats;
    PaperCounts total;
    const std::vector<std::string> names = DisplayNames();
    bool afterRetirement = false;
    while (!run.Done()) {
        stats.Before(run);
        const PaperCounts was = Counted(stats);
        run.PlayBasho();
        stats.Add(run);
        const bool compare = !afterRetirement && !run.retired();
        afterRetirement = run.retired();
        if (!compare)
            continue;
        PaperCounts paper;
        CountPaper(run.paper(), names, paper);
        const PaperCounts now = Counted(stats);
        SCOPED_TRACE("call " + std::to_string(run.calls()) + "\n" + ShiftJisToUtf8(run.paper()));
        ASSERT_EQ(now.retirements - was.retirements, paper.retirements);
        ASSERT_EQ(now.drops - was.drops, paper.drops);
        ASSERT_EQ(now.yokozuna - was.yokozuna, paper.yokozuna);
        ASSERT_EQ(now.ozeki - was.ozeki, paper.ozeki);
        // The paper names only the last kadoban demotion of an assessment, and
        // an ozeki can also lose his rank in the rewrite.
        ASSERT_GE(now.demotionLines - was.demotionLines, paper.demotionLines);
        total.retirements += paper.retirements;
        total.drops += paper.drops;
        total.yokozuna += paper.yokozuna;
        total.ozeki += paper.ozeki;
        total.demotionLines += paper.demotionLines;
    }
    // Otherwise the checks above would hold trivially.
    EXPECT_GT(total.retirements, 0);
    EXPECT_GT(total.drops, 0);
    EXPECT_GT(total.yokozuna, 0);
    EXPECT_GT(total.ozeki, 0);
    EXPECT_GT(total.demotionLines, 0);
}

TEST(SimStats, CareersAreCountedWithTheirLengths) {
    testing::GameFolder folder;
    folder.CopyAllData();
    SimOptions options;
    options.careers = 4;
    options.basho = 100000;
    LeagueRun run(options);
    LeagueStats stats;
    std::vector<int64_t> lengths;
    int64_t played = 0;
    while (!run.Done()) {
        stats.Before(run);
        run.PlayBasho();
        stats.Add(run);
        if (run.retired()) {
            lengths.push_back(played);
            played = 0;
        } else {
            ++played;
        }
    }
    EXPECT_EQ(stats.careerLengths(), lengths);
    EXPECT_EQ(run.careersEnded(), 4);

    std::ostringstream text;
    stats.EndRun(run);
    stats.Print(text);
    EXPECT_NE(text.str().find("careers ended: 4"), std::string::npos) << text.str();

    const auto r = testing::RunSim({"--stats", "--careers", "4", "--basho", "100000"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, text.str()) << "the program prints the same summary";
}

}  // namespace
}  // namespace kelmar::sim
