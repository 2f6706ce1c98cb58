#include "record/career_cover.h"

#include "state/encoding.h"
#include "state/rank.h"
#include "state/shift_jis_literal.h"
#include "state/strings.h"

namespace kelmar {

namespace {

// 2021年5月場所
std::string BashoWords(int32_t nengo, int32_t month) {
    return IntToStr(nengo) + sj<"年"> + IntToStr(month) + sj<"月場所">;
}

std::string Record(int32_t wins, int32_t losses) {
    return IntToStr(wins) + sj<"勝"> + IntToStr(losses) + sj<"敗">;
}

std::string FirstBasho(const std::string& name, const BashoRow& first) {
    return name + sj<"、"> + BashoWords(first.nengo, first.month) + sj<"に"> +
           std::string(RankWord(first.rank)) + sj<"で初土俵。"> +
           (first.wins > first.losses ? sj<"いきなり"> : sj<"デビューは">)+Record(first.wins,
                                                                                  first.losses) +
           sj<"。">;
}

// Each first basho at a rank higher than every one before.
std::string Promotions(const std::vector<BashoRow>& basho) {
    int32_t best = basho.front().rank;
    std::string steps;
    for (const BashoRow& b : basho) {
        if (b.rank >= best || RankWord(b.rank).empty())
            continue;
        best = b.rank;
        steps += (steps.empty() ? "" : sj<"、">)+BashoWords(b.nengo, b.month) + sj<"に新"> +
                 std::string(RankWord(b.rank));
    }
    if (steps.empty())
        return sj<"最高位は"> + std::string(RankWord(best)) + sj<"、番付を上げることはかなわず。">;
    return steps + (best == 1 ? sj<"と駆け上がり、ついに綱を張った！"> : sj<"と出世した。">);
}

std::vector<std::string> Championships(const std::vector<BashoRow>& basho, int32_t yusyo) {
    const BashoRow* first = nullptr;
    bool perfect = false;
    for (const BashoRow& b : basho) {
        if (!b.champion)
            continue;
        if (first == nullptr)
            first = &b;
        perfect = perfect || b.wins == 15;
    }
    if (first == nullptr)
        return {};
    std::vector<std::string> sentences = {sj<"初優勝は"> + BashoWords(first->nengo, first->month) +
                                          sj<"、賜杯を抱くこと通算"> + IntToStr(yusyo) +
                                          sj<"回。">};
    if (perfect)
        sentences.push_back(sj<"全勝優勝の快挙も成し遂げた！">);
    return sentences;
}

std::string Rival(const RivalRow& rival) {
    return sj<"好敵手は"> + Utf8ToShiftJis(rival.opponent) + sj<"、"> + IntToStr(rival.bouts) +
           sj<"度の対戦で"> + Record(rival.wins, rival.losses) + sj<"。">;
}

std::string Ending(const CareerSummary& career, const BashoRow& last) {
    const std::string record = sj<"通算"> + Record(career.wins, career.losses);
    if (career.retired)
        return BashoWords(last.nengo, last.month) + sj<"を最後に土俵を去った。"> + record +
               sj<"。">;
    return BashoWords(last.nengo, last.month) + sj<"まで"> + IntToStr(career.basho) +
           sj<"場所を務め、"> + record + sj<"。">;
}

}  // namespace

const RivalRow* BestRival(const std::vector<RivalRow>& rivals) {
    const RivalRow* best = nullptr;
    for (const RivalRow& r : rivals) {
        if (r.bouts < 2)
            continue;
        if (best == nullptr || r.bouts > best->bouts ||
            (r.bouts == best->bouts &&
             (r.wins > best->wins || (r.wins == best->wins && r.opponent < best->opponent))))
            best = &r;
    }
    return best;
}

CareerCover ComposeCover(const CareerSummary& career, const std::vector<BashoRow>& basho,
                         const std::vector<RivalRow>& rivals,
                         const std::vector<EarnedAchievement>& achievements) {
    CareerCover cover;
    cover.shikona = Utf8ToShiftJis(career.shikona);
    cover.firstNengo = career.firstNengo;
    cover.firstMonth = career.firstMonth;
    cover.bestRank = career.bestRank ? std::string(RankWord(*career.bestRank)) : std::string();
    cover.wins = career.wins;
    cover.losses = career.losses;
    cover.yusyo = career.yusyo;
    cover.retired = career.retired;
    for (const EarnedAchievement& a : achievements)
        if (const auto index = AchievementIndex(a.code))
            cover.achievements.push_back(
                CoverAchievement{std::string(kAchievements[*index].name), a.nengo, a.month});
    if (basho.empty())
        return cover;
    cover.lastNengo = basho.back().nengo;
    cover.lastMonth = basho.back().month;
    cover.biography.push_back(FirstBasho(cover.shikona, basho.front()));
    cover.biography.push_back(Promotions(basho));
    for (std::string& sentence : Championships(basho, career.yusyo))
        cover.biography.push_back(std::move(sentence));
    if (const RivalRow* rival = BestRival(rivals))
        cover.biography.push_back(Rival(*rival));
    cover.biography.push_back(Ending(career, basho.back()));
    return cover;
}

}  // namespace kelmar
