#include "record/achievements.h"

#include <algorithm>

#include "record/sqlite.h"

namespace kelmar {

namespace {

// Every career row counts, a copied one (a resume past its save) included.
// A bout's place in the career is seq * 100 + day, so that the first bout is
// one MIN. The feats of a count over the whole career (the 500th win, fifteen
// wins in a row) are found from the basho rows first, so that only the bouts
// of the one basho where the count is reached are read one by one:
// - "before" is the career's wins before the basho;
// - "streak" is the run of wins the basho begins with: the wins after the
//   last loss of the last basho with a loss, plus every win since. A basho has
//   at most fifteen days, so a run of fifteen inside one basho begins with it.
constexpr const char* kView = R"sql(
CREATE VIEW IF NOT EXISTS achievements(career, code, seq, day) AS
WITH chain AS (
    SELECT career, seq, wins,
        SUM(wins) OVER (PARTITION BY career ORDER BY seq ROWS UNBOUNDED PRECEDING) - wins
            AS before,
        SUM(losses > 0) OVER (PARTITION BY career ORDER BY seq ROWS UNBOUNDED PRECEDING)
            AS group_of,
        CASE WHEN losses = 0 THEN wins ELSE (SELECT COUNT(*) FROM bouts AS t
            WHERE t.career = b.career AND t.seq = b.seq AND t.day > (SELECT MAX(day)
                FROM bouts AS l WHERE l.career = b.career AND l.seq = b.seq AND l.won = 0))
        END AS carried
    FROM basho AS b),
leaving AS (
    SELECT career, seq, wins, before, SUM(carried) OVER (PARTITION BY career, group_of
        ORDER BY seq ROWS UNBOUNDED PRECEDING) AS run FROM chain),
entering AS (
    SELECT career, seq, wins, before,
        COALESCE(LAG(run) OVER (PARTITION BY career ORDER BY seq), 0) AS streak FROM leaving),
candidates AS (
    SELECT career, seq, 'wins500' AS code, 500 - before AS k FROM entering
        WHERE before < 500 AND before + wins >= 500
    UNION ALL
    SELECT career, seq, 'renso15', 15 - streak FROM entering
        WHERE streak < 15 AND streak + wins >= 15),
counted AS (
    SELECT c.career, c.seq, c.code, c.k, o.day, o.won,
        ROW_NUMBER() OVER w AS n, SUM(o.won) OVER w AS wins_so_far
    FROM candidates AS c JOIN bouts AS o ON o.career = c.career AND o.seq = c.seq
    WINDOW w AS (PARTITION BY c.career, c.seq, c.code ORDER BY o.day ROWS UNBOUNDED PRECEDING))
SELECT career, 'kachikoshi', MIN(seq), NULL FROM basho WHERE wins >= 8 GROUP BY career
UNION ALL
SELECT career, 'sanyaku', MIN(seq), NULL FROM basho WHERE rank BETWEEN 1 AND 4 GROUP BY career
UNION ALL
SELECT career, 'ozeki', MIN(seq), NULL FROM basho WHERE rank BETWEEN 1 AND 2 GROUP BY career
UNION ALL
SELECT career, 'yokozuna', MIN(seq), NULL FROM basho WHERE rank = 1 GROUP BY career
UNION ALL
SELECT career, 'yusho', MIN(seq), NULL FROM basho WHERE champion = 1 GROUP BY career
UNION ALL
SELECT career, 'zensho', MIN(seq), NULL FROM basho WHERE champion = 1 AND wins = 15
    GROUP BY career
UNION ALL
SELECT career, 'basho60', seq, NULL FROM basho WHERE seq = 60
UNION ALL
SELECT career, 'kinboshi', MIN(o.seq * 100 + o.day) / 100, MIN(o.seq * 100 + o.day) % 100
    FROM bouts AS o JOIN basho AS b USING (career, seq)
    WHERE o.won = 1 AND o.opponent_rank = 1 AND b.rank = 5 GROUP BY career
UNION ALL
SELECT career, code, MIN(seq * 100 + day) / 100, MIN(seq * 100 + day) % 100 FROM counted
    WHERE won = 1 AND wins_so_far = k AND (code = 'wins500' OR n = k)
    GROUP BY career, code
)sql";

}  // namespace

std::optional<size_t> AchievementIndex(std::string_view code) {
    for (size_t i = 0; i < kAchievements.size(); ++i)
        if (kAchievements[i].code == code)
            return i;
    return std::nullopt;
}

void CreateAchievementsView(Database& db) {
    // A store that has the view already is only read: opening it writes nothing.
    Statement found =
        db.Prepare("SELECT 1 FROM sqlite_master WHERE type = 'view' AND name = 'achievements'");
    if (!found.Step())
        db.Execute(kView);
}

std::vector<EarnedAchievement> ReadAchievementsOf(Database& db, int64_t career) {
    Statement q = db.Prepare(
        "SELECT a.code, a.seq, a.day, b.nengo, b.month FROM achievements AS a "
        "JOIN basho AS b ON b.career = a.career AND b.seq = a.seq WHERE a.career = ?");
    q.Bind(1, career);
    std::vector<EarnedAchievement> found;
    while (q.Step()) {
        EarnedAchievement a;
        a.code = q.Text(0);
        a.seq = static_cast<int32_t>(q.Integer(1));
        if (const auto day = q.MaybeInteger(2))
            a.day = static_cast<int32_t>(*day);
        a.nengo = static_cast<int32_t>(q.Integer(3));
        a.month = static_cast<int32_t>(q.Integer(4));
        if (AchievementIndex(a.code))
            found.push_back(a);
    }
    std::stable_sort(found.begin(), found.end(), [](const auto& x, const auto& y) {
        return *AchievementIndex(x.code) < *AchievementIndex(y.code);
    });
    return found;
}

std::vector<AchievementTally> ReadAchievementTallies(Database& db) {
    std::vector<AchievementTally> tallies;
    for (const AchievementKind& kind : kAchievements) {
        AchievementTally unearned;
        unearned.code = kind.code;
        tallies.push_back(unearned);
    }
    // The view is read once: the first career of each code and its basho.
    Statement q = db.Prepare(
        "WITH a AS MATERIALIZED (SELECT career, code, seq FROM achievements), "
        "t AS (SELECT code, COUNT(*) AS careers, MIN(career) AS career FROM a GROUP BY code) "
        "SELECT t.code, t.careers, t.career, c.shikona, b.nengo, b.month FROM t "
        "JOIN a ON a.code = t.code AND a.career = t.career "
        "JOIN careers AS c ON c.career = t.career "
        "JOIN basho AS b ON b.career = t.career AND b.seq = a.seq");
    while (q.Step()) {
        const auto index = AchievementIndex(q.Text(0));
        if (!index)
            continue;
        AchievementTally& t = tallies[*index];
        t.careers = static_cast<int32_t>(q.Integer(1));
        t.firstCareer = q.Integer(2);
        t.shikona = q.Text(3);
        t.nengo = static_cast<int32_t>(q.Integer(4));
        t.month = static_cast<int32_t>(q.Integer(5));
    }
    return tallies;
}

}  // namespace kelmar
