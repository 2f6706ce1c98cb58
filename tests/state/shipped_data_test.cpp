// The data files that come with the game, read by the game's own readers: the
// roster forms a valid banzuke with figures the rules keep by rank, the 58
// names are distinct and own one portrait each, and the pairing table pairs
// every slot once a day and no two slots twice.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "state/roster.h"
#include "state/strings.h"
#include "support/game_folder.h"

namespace kelmar {
namespace {

using testing::GameFolder;

GameState ShippedLeague() {
    GameFolder folder;
    folder.CopyData(kRosterFile);
    folder.CopyData(kMatchFile);
    folder.CopyData(kJuryoFile);
    GameState s;
    LoadRoster(s);
    LoadMatchTable(s);
    LoadJuryoNames(s);
    return s;
}

TEST(ShippedRoster, RankCodesFormAValidBanzuke) {
    const GameState s = ShippedLeague();
    std::string codes;
    for (int i = 1; i <= kRosterSlots; ++i) {
        ASSERT_EQ(s.Stage[i].size(), 1u) << "slot " << i;
        codes += s.Stage[i];
    }
    // Yokozuna and ozeki first, then two sekiwake, two komusubi, maegashira.
    const size_t f = codes.find_first_not_of("12");
    ASSERT_NE(f, std::string::npos);
    EXPECT_GE(f, 1u);
    EXPECT_TRUE(std::is_sorted(codes.begin(), codes.begin() + f)) << codes;
    EXPECT_EQ(codes.substr(f, 4), "3344") << codes;
    EXPECT_EQ(codes.find_first_not_of('5', f + 4), std::string::npos) << codes;
}

TEST(ShippedRoster, FiguresLieInTheRangesOfTheirRank) {
    struct Range {
        int lo, hi;
    };
    // Experience by rank code: the bounds the assessment keeps.
    const Range experience[] = {{30, 50}, {23, 60}, {0, 23}, {0, 23}, {0, 13}};
    const GameState s = ShippedLeague();
    for (int i = 1; i <= kRosterSlots; ++i) {
        SCOPED_TRACE("slot " + std::to_string(i));
        const int code = StrToInt(s.Stage[i]);
        ASSERT_GE(code, 1);
        ASSERT_LE(code, 5);
        EXPECT_GE(s.E[i], experience[code - 1].lo);
        EXPECT_LE(s.E[i], experience[code - 1].hi);
        EXPECT_GE(s.Age[i], 20);
        EXPECT_LE(s.Age[i], 38);
        EXPECT_GE(s.L[i], 0);
        EXPECT_LE(s.L[i], 15);
        EXPECT_GE(s.LB[i], 0);
        EXPECT_LE(s.LB[i], 15);
        if (code >= 4) {
            EXPECT_EQ(s.LB[i], 0);  // komusubi and maegashira keep no LB
        }
        EXPECT_GE(s.Pw[i] + s.Sp[i] + s.Tc[i], 9);
        EXPECT_LE(s.Pw[i] + s.Sp[i] + s.Tc[i], 11);
        // The draw D of 1..9 gives 1 up to Pw, 2 up to Pw + Sp, else 3: every
        // rikishi can choose each of the three tactics.
        EXPECT_GE(s.Pw[i], 1);
        EXPECT_GE(s.Sp[i], 1);
        EXPECT_LE(s.Pw[i] + s.Sp[i], 8);
    }
}

TEST(ShippedRoster, ExperienceFallsDownTheBanzuke) {
    const GameState s = ShippedLeague();
    for (int i = 2; i <= kRosterSlots; ++i) EXPECT_LE(s.E[i], s.E[i - 1]) << "slot " << i;
}

// Display names of two or three kanji: every character a double-byte one.
bool IsTwoOrThreeKanji(const std::string& name) {
    if (name.size() != 4 && name.size() != 6)
        return false;
    for (size_t k = 0; k < name.size(); k += 2) {
        const auto lead = static_cast<unsigned char>(name[k]);
        if (!((lead >= 0x88 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xEA)))
            return false;
    }
    return true;
}

TEST(ShippedNames, FiftyEightDistinctNamesWithOnePortraitEach) {
    const GameState s = ShippedLeague();
    std::vector<std::string> shikona;
    for (int i = 1; i <= kRosterSlots; ++i) shikona.push_back(s.NameOfWres[i]);
    for (int i = 1; i <= kJuryo; ++i) shikona.push_back(s.Juryo[i]);

    std::set<std::string> names;
    std::set<int32_t> portraits;
    for (const auto& stored : shikona) {
        SCOPED_TRACE(stored);
        ASSERT_GE(stored.size(), 3u);
        const std::string digits = stored.substr(stored.size() - 2);
        EXPECT_TRUE(std::all_of(digits.begin(), digits.end(), ::isdigit));
        EXPECT_TRUE(IsTwoOrThreeKanji(DisplayName(stored)));
        names.insert(DisplayName(stored));
        portraits.insert(PortraitNumber(stored));
    }
    EXPECT_EQ(names.size(), 58u);
    ASSERT_EQ(portraits.size(), 58u);
    EXPECT_EQ(*portraits.begin(), 1);
    EXPECT_EQ(*portraits.rbegin(), 58);
}

TEST(ShippedMatchTable, EverySlotOnceADayAndNoPairTwice) {
    const GameState s = ShippedLeague();
    std::set<std::pair<int, int>> met;
    for (int d = 1; d <= kDays; ++d) {
        SCOPED_TRACE("day " + std::to_string(d));
        const std::string& line = s.Match[d];
        ASSERT_EQ(line.size(), 64u);
        std::set<int> slots;
        for (int k = 1; k <= 16; ++k) {
            int pair[2];
            for (int side = 0; side < 2; ++side) {
                const std::string field = Copy(line, 4 * k - 3 + 2 * side, 2);
                ASSERT_TRUE(::isdigit(field[0]) && ::isdigit(field[1])) << field;
                pair[side] = StrToInt(field);
                EXPECT_GE(pair[side], 1);
                EXPECT_LE(pair[side], kSlots);
                slots.insert(pair[side]);
            }
            const auto key = std::minmax(pair[0], pair[1]);
            EXPECT_TRUE(met.insert(key).second) << key.first << " and " << key.second;
        }
        EXPECT_EQ(slots.size(), 32u);
    }
}

TEST(ShippedMatchTable, TheTopSlotsMeetInTheSecondWeek) {
    const GameState s = ShippedLeague();
    int topBouts = 0;
    for (int d = 1; d <= kDays; ++d) {
        for (int k = 1; k <= 16; ++k) {
            const int east = StrToInt(Copy(s.Match[d], 4 * k - 3, 2));
            const int west = StrToInt(Copy(s.Match[d], 4 * k - 1, 2));
            if (east > 8 || west > 8)
                continue;
            ++topBouts;
            EXPECT_GE(d, 8) << east << " and " << west;
        }
    }
    EXPECT_EQ(topBouts, 28);  // each of the top eight meets the other seven
    // The last bout of the last day is the top two.
    EXPECT_EQ(Copy(s.Match[15], 61, 4), "0102");
}

}  // namespace
}  // namespace kelmar
