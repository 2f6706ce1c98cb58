// The achievements of a career: rare feats the record reads from its own
// tables through the view "achievements(career, code, seq, day)": per career,
// the first basho (seq) at which each was earned, and for a feat of one bout,
// the day too. The view is part of the store's schema; a store of an earlier
// version of the game takes it up when it is opened.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/wording.h"

namespace kelmar {

class Database;

struct AchievementKind {
    std::string_view code;  // as the view names it
    Wording name;           // its Japanese the game's Shift-JIS, as the windows show it
};

// In the order the windows list them.
inline constexpr std::array<AchievementKind, 10> kAchievements = {{
    {"kachikoshi", wd<"初勝ち越し">},
    {"sanyaku", wd<"新三役">},
    {"ozeki", wd<"新大関">},
    {"yokozuna", wd<"新横綱">},
    {"yusho", wd<"初優勝">},
    {"zensho", wd<"全勝優勝">},
    {"basho60", wd<"十年">},
    {"kinboshi", wd<"初金星">},
    {"renso15", wd<"十五連勝">},
    {"wins500", wd<"通算五百勝">},
}};

// The index of a code in kAchievements, or nullopt.
std::optional<size_t> AchievementIndex(std::string_view code);

// One achievement of one career, with the basho's year and month.
struct EarnedAchievement {
    std::string code;
    int32_t seq = 0;
    std::optional<int32_t> day;
    int32_t nengo = 0;
    int32_t month = 0;
};

// One achievement over the whole store: how many careers earned it, and the
// first of them (the lowest career number) with its shikona (UTF-8) and the
// basho where it was earned. careers is 0 for one nobody has earned.
struct AchievementTally {
    std::string code;
    int32_t careers = 0;
    int64_t firstCareer = 0;
    std::string shikona;
    int32_t nengo = 0;
    int32_t month = 0;
};

// Creates the view in a store that lacks it; a store that has it is left
// alone, so that the game's released version can still open the file.
void CreateAchievementsView(Database& db);

// A career's achievements, in the order of kAchievements.
std::vector<EarnedAchievement> ReadAchievementsOf(Database& db, int64_t career);
// Every kind of kAchievements, in its order, earned or not.
std::vector<AchievementTally> ReadAchievementTallies(Database& db);

}  // namespace kelmar
