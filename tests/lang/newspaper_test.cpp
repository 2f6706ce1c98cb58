// The newspaper in English: read back from the page the game composes, each
// line worded by the catalogue and each name by its reading.
#include "banzuke/newspaper.h"

#include <gtest/gtest.h>

#include "banzuke/procedures.h"
#include "lang/names.h"
#include "shipped_folder.h"
#include "state/encoding.h"
#include "state/shift_jis_literal.h"
#include "state/strings.h"

namespace kelmar {
namespace {

const std::string kEnd = "\n\r";

std::string Shikona(const GameState& s, int slot) {
    return DisplayName(s.NameOfWres[slot]);
}

// A league with news on every line the page can hold that draws nothing.
GameState NewsOfTheBanzuke() {
    GameState s = testing::LeagueOfShippedNames();
    s.LastWin = 3;
    s.Ysyoshin = Shikona(s, 4) + Shikona(s, 5);
    s.Osyoshin = Shikona(s, 6);
    s.Kanraku = s.NameOfWres[4];
    s.Intai = sj<"、"> + Shikona(s, 1) + sj<"、"> + Shikona(s, 2);
    s.JuryoDropList = sj<"、"> + Shikona(s, 31);
    s.L[3] = 11;
    s.LB[3] = 11;  // a rope bid
    s.E[24] = 11;  // one to watch
    s.E[30] = 29;  // one to watch, and a giant killer
    return s;
}

TEST(NewspaperIn, EnglishFromThePiecesOfTheJapanesePage) {
    GameState s = NewsOfTheBanzuke();
    s.Rng.state = 99;
    const std::string page = ComposeNewspaper(s);
    ASSERT_EQ(s.Rng.state, 99u) << "no chance story";
    const GameState league = NewsOfTheBanzuke();
    EXPECT_EQ(NewspaperIn(Language::English, page, KnownNames(league)),
              "                  MAIYOMI SPORTS EXTRA  " + kEnd +  //
                  kEnd +                                           //
                  "Last basho's yusho winner: Soryuzan" + kEnd +
                  "Hokutonishiki and Chitoseumi made yokozuna! A new era dawns" + kEnd +
                  "Hoga promoted to ozeki, the hometown goes wild!" + kEnd +
                  "Ozeki no more! Hokutonishiki must start over" + kEnd +
                  "Retiring, sorely missed: Gotake and Raiho" + kEnd + "Down to juryo: Shiokaze" +
                  kEnd + "Soryuzan goes for the rope! Twelve wins at the very least" + kEnd +
                  "One to watch: Tensho, strong in practice" + kEnd +
                  "One to watch: Kakusho, strong in practice" + kEnd +
                  "Kakusho, slayer of yokozuna and ozeki!" + kEnd +
                  "The chairman thunders: \"Our yokozuna and ozeki lack fighting spirit!\"" + kEnd);
}

TEST(NewspaperIn, TheJapanesePageIsTheGamesOwn) {
    GameState s = NewsOfTheBanzuke();
    const std::string page = ComposeNewspaper(s);
    EXPECT_EQ(page.substr(0, 40), sj<"                  毎読スポーツ速報  "> + kEnd + kEnd);
    EXPECT_NE(page.find(sj<"北斗錦千歳海、横綱誕生だ！新時代幕開け"> + kEnd), std::string::npos);
    EXPECT_NE(page.find(sj<"惜しまれつつも引退へ、剛嶽、雷峰"> + kEnd), std::string::npos);
    EXPECT_EQ(NewspaperIn(Language::Japanese, page, {}), ShiftJisToUtf8(page));
}

TEST(NewspaperIn, ANameWithoutAReadingAndALineOfNoWordingAreShownAsTheyAre) {
    const std::string page = sj<"先場所優勝力士、手作り山"> + kEnd + sj<"号外！"> + kEnd;
    EXPECT_EQ(NewspaperIn(Language::English, page, {}),
              "Last basho's yusho winner: 手作り山" + kEnd + "号外！" + kEnd);
    EXPECT_EQ(ReadNewspaper(page), (std::vector<NewspaperLine>{{Headline::Champion, sj<"手作り山">},
                                                               {Headline::Unknown, sj<"号外！">}}));
}

// A league of chance: every figure a story reads drawn afresh.
GameState LeagueOfChance(uint32_t seed) {
    GameState s = testing::LeagueOfShippedNames();
    Random r;
    r.state = seed;
    const auto name = [&](int slot) { return Shikona(s, slot); };
    for (int slot = 1; slot <= kSlots; ++slot) {
        s.Stage[slot] = IntToStr(1 + r.Draw(5));
        s.Age[slot] = 20 + r.Draw(20);
        s.L[slot] = r.Draw(16);
        s.LB[slot] = r.Draw(16);
        s.Zaii[slot] = 1 + r.Draw(4);
        s.E[slot] = r.Draw(40);
    }
    s.LastWin = 1 + r.Draw(kSlots);
    for (int i = r.Draw(3); i > 0; --i) s.Ysyoshin += name(1 + r.Draw(kSlots));
    for (int i = r.Draw(3); i > 0; --i) s.Osyoshin += name(1 + r.Draw(kSlots));
    for (int i = r.Draw(4); i > 0; --i) s.Intai += sj<"、"> + name(1 + r.Draw(kSlots));
    for (int i = r.Draw(3); i > 0; --i) s.JuryoDropList += sj<"、"> + name(1 + r.Draw(kSlots));
    if (r.Draw(2) == 0)
        s.Kanraku = s.NameOfWres[1 + r.Draw(kSlots)];
    s.Rng.state = seed;
    return s;
}

TEST(ReadNewspaper, EveryPageReadsBackIntoTheLinesItWasComposedFrom) {
    int lines = 0;
    for (uint32_t seed = 0; seed < 300; ++seed) {
        GameState s = LeagueOfChance(seed);
        const std::vector<std::string> known = KnownNames(s);
        const std::string page = ComposeNewspaper(s);
        std::string again;
        for (const NewspaperLine& line : ReadNewspaper(page)) {
            EXPECT_NE(line.headline, Headline::Unknown) << ShiftJisToUtf8(line.piece);
            AddHeadline(again, line.headline, line.piece);
            ++lines;
        }
        EXPECT_EQ(again, page) << "seed " << seed;
        const std::string english = NewspaperIn(Language::English, page, known);
        for (const char c : english)
            ASSERT_TRUE(static_cast<unsigned char>(c) < 0x80) << "seed " << seed << ": " << english;
    }
    EXPECT_GT(lines, 300 * 6) << "the pages hold stories";
}

}  // namespace
}  // namespace kelmar
