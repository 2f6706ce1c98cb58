#include "lang/names.h"

#include <gtest/gtest.h>

#include "shipped_folder.h"
#include "state/shift_jis_literal.h"
#include "state/strings.h"

namespace kelmar {
namespace {

std::vector<std::string> Sj(std::initializer_list<const char*> texts) {
    std::vector<std::string> out;
    for (const char* t : texts) out.emplace_back(t);
    return out;
}

TEST(SplitJoinedNames, ByTheLeaguesNames) {
    const std::vector<std::string> known = Sj({sj<"北斗">, sj<"北斗錦">, sj<"千歳海">, sj<"剛嶽">,
                                               sj<"雷峰">, sj<"若">, sj<"若雲">, sj<"雲海">});
    const struct {
        const char* rule;
        std::string joined;
        std::vector<std::string> names;
    } cases[] = {
        {"one name", sj<"剛嶽">, Sj({sj<"剛嶽">})},
        {"new yokozuna one after the other", sj<"北斗錦千歳海">, Sj({sj<"北斗錦">, sj<"千歳海">})},
        {"the longest name that fits first", sj<"北斗錦">, Sj({sj<"北斗錦">})},
        {"a shorter name where the longest leaves no name after it", sj<"若雲海">,
         Sj({sj<"若">, sj<"雲海">})},
        {"retired, each after 、", sj<"、剛嶽、雷峰">, Sj({sj<"剛嶽">, sj<"雷峰">})},
        {"a name the league lacks: split at 、 and kept", sj<"、剛嶽、手作り山">,
         Sj({sj<"剛嶽">, sj<"手作り山">})},
        {"unknown names one after the other stay one text", sj<"甲山乙海">, Sj({sj<"甲山乙海">})},
        {"nothing", "", {}},
        {"only a comma", sj<"、">, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitJoinedNames(c.joined, known), c.names) << c.rule;
}

TEST(SplitJoinedNames, ACommaIsFoundOnlyAsACharacter) {
    // 、 is 0x81 0x41: so are the second byte of 梶 (0x8A 0x81) and an "A".
    const std::string name = std::string(sj<"梶">) + "A";
    ASSERT_EQ(name.substr(1), sj<"、">);
    EXPECT_EQ(SplitJoinedNames(name, {}), Sj({name.c_str()}));
    EXPECT_EQ(SplitJoinedNames(sj<"、"> + name, {}), Sj({name.c_str()}));
}

TEST(KnownNames, TheMakuuchiThenTheJuryo) {
    const GameState s = testing::LeagueOfShippedNames();
    const std::vector<std::string> names = KnownNames(s);
    ASSERT_EQ(names.size(), 59u);
    EXPECT_EQ(names[0], sj<"剛嶽">);
    EXPECT_EQ(names[31], sj<"若楓">) << "slot 32";
    EXPECT_EQ(names[32], sj<"若楓">) << "Juryo[1]";
    EXPECT_EQ(names[58], sj<"霞山">);
}

TEST(ListOfNames, AsEachLanguageListsThem) {
    const struct {
        Language language;
        std::vector<std::string> names;
        const char* list;
    } cases[] = {
        {Language::English, {}, ""},
        {Language::English, {"Gotake"}, "Gotake"},
        {Language::English, {"Gotake", "Raiho"}, "Gotake and Raiho"},
        {Language::English, {"Gotake", "Raiho", "Hoga"}, "Gotake, Raiho and Hoga"},
        {Language::English, {"A", "B", "C", "D"}, "A, B, C and D"},
        {Language::Japanese, {"剛嶽", "雷峰", "鳳雅"}, "剛嶽、雷峰、鳳雅"},
    };
    for (const auto& c : cases) EXPECT_EQ(ListOfNames(c.language, c.names), c.list);
}

}  // namespace
}  // namespace kelmar
