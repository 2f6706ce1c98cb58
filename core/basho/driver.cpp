#include <iterator>

#include "banzuke/procedures.h"
#include "basho/procedures.h"
#include "basho/report_wordings.h"
#include "state/checked_sum.h"
#include "state/roster.h"
#include "state/shift_jis_literal.h"
#include "state/strings.h"
#include "state/top_ten.h"

namespace kelmar {

namespace {

// Marks the basho as running for as long as the call lasts, errors included.
class RunningBasho {
  public:
    explicit RunningBasho(GameState& s) : s_(s) { s_.BashoRunning = true; }
    ~RunningBasho() { s_.BashoRunning = false; }
    RunningBasho(const RunningBasho&) = delete;
    RunningBasho& operator=(const RunningBasho&) = delete;

  private:
    GameState& s_;
};

void EndCareer(GameState& s, Frontend& frontend, LeagueFiles& files) {
    frontend.ShowCareerReport(ComposeCareerReport(s, s.PlayerIndex));
    s.PlayerRetired = 0;
    s.Basyo6 = 0;
    s.Nengo = 2020;
    files.LoadRoster(s);
    EnterTopTen(s, frontend);
    frontend.CareerEnds(s);
}

// Ties go to the slot higher on the banzuke.
void CrownChampion(GameState& s, int& weakest) {
    int champion = 1;
    weakest = 1;
    for (int i = 1; i <= kSlots; ++i) {
        if (s.W[i] > s.W[champion])
            champion = i;
        if (s.W[i] < s.W[weakest])
            weakest = i;
    }
    s.LastWin = champion;
}

// A saved game may hold a league without the player's rikishi, or with two
// of him; the rewrite would leave PlayerIndex on someone else's record and the
// basho would score a stranger. Nothing of the new basho has happened yet.
void CheckThePlayerIsThere(const GameState& s) {
    int marks = 0;
    for (int i = 1; i <= kSlots; ++i) marks += s.IsPlayerSlot(i) ? 1 : 0;
    if (marks == 0)
        throw GameError(wd<"番付に自分の力士がいません">);
    if (marks > 1)
        throw GameError(MessageWords{wd<"番付に自分の力士が {count} 人います">,
                                     {{"count", IntToStr(marks), {}, {}}}});
}

// The career score of the best rank reached, by rank code: yokozuna, ozeki,
// sekiwake, komusubi. A maegashira's best, or none, scores nothing.
constexpr int32_t kBestRankScores[] = {1000, 500, 200, 100};

int32_t RankScore(const std::string& saiko) {
    constexpr char kLastScoredRank = static_cast<char>('0' + std::size(kBestRankScores));
    if (saiko.size() != 1 || saiko[0] < '1' || saiko[0] > kLastScoredRank)
        return 0;
    return kBestRankScores[saiko[0] - '1'];
}

int32_t CheckedScore(int64_t score) {
    if (score < INT32_MIN || score > INT32_MAX)
        throw RangeError(
            MessageWords{wd<"得点 {score} が大きすぎます">, {{"score", IntToStr(score), {}, {}}}});
    return static_cast<int32_t>(score);
}

}  // namespace

bool ScorePlayer(GameState& s) {
    const int p = s.PlayerIndex;
    // A career without a single bout divides zero by zero: the call ends silently.
    if (s.Twin[p] == 0 && s.Tlose[p] == 0)
        return false;
    const int64_t bouts = CareerBouts(s, p);
    int64_t score = RankScore(s.Saiko[p]);
    score = 100 * static_cast<int64_t>(s.Zaii[p]) + score + 200 * static_cast<int64_t>(s.Yusyo[p]);
    score += RoundHalfEven(500.0 * s.Twin[p] / static_cast<double>(bouts));
    s.MyP = CheckedScore(score);
    return true;
}

std::string ScoreCaption(int32_t score) {
    return Japanese(kScoreCaption, {{"score", IntToStr(score)}});
}

void RunBasho(GameState& s, Frontend& frontend, Clock& clock, LeagueFiles& files) {
    if (s.BashoRunning)
        throw GameError(wd<"場所の最中に次の場所は始められません">);
    RunningBasho running(s);

    AssessBasho(s, clock);
    if (s.PlayerRetired == 1) {
        EndCareer(s, frontend, files);
        return;
    }
    RewriteBanzuke(s);
    CheckThePlayerIsThere(s);
    s.Torikumiday = 1;
    int weakest = 1;
    CrownChampion(s, weakest);
    ShowNewspaper(s, frontend);
    s.Yusyo[s.LastWin] = CheckedSum(s.Yusyo[s.LastWin], 1, "Yusyo", s.LastWin);
    s.UnderdogBonus =
        CheckedSum(s.UnderdogBonus, s.W[s.LastWin] >= 14 ? 4 : -4, "UnderdogBonus", 0);
    s.LeaderPenalty = CheckedSum(s.LeaderPenalty, s.W[weakest] < 4 ? 4 : -4, "LeaderPenalty", 0);
    for (int i = 1; i <= kSlots; ++i) {
        s.W[i] = 0;
        s.Pnt[i] = 0;
    }

    for (s.Torikumiday = 1; s.Torikumiday <= kDays; ++s.Torikumiday) {
        if (s.QuitRequested)
            continue;
        PlayDay(s, frontend);
        if (!s.QuitRequested && frontend.Watched())
            frontend.ShowDailyChart(DailyChartOf(s));
    }

    if (!ScorePlayer(s))
        return;
    if (s.Torikumiday > 15)
        s.Torikumiday = 15;
    frontend.BashoEnds(s.MyP);
}

}  // namespace kelmar
