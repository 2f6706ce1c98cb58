#include "record/career_cover.h"

#include "state/encoding.h"
#include "state/rank_words.h"
#include "state/shift_jis_literal.h"
#include "state/strings.h"

namespace kelmar {

namespace {

// 2021年5月場所
std::string BashoWords(int32_t nengo, int32_t month) {
    return IntToStr(nengo) + "年"_sj + IntToStr(month) + "月場所"_sj;
}

std::string Record(int32_t wins, int32_t losses) {
    return IntToStr(wins) + "勝"_sj + IntToStr(losses) + "敗"_sj;
}

std::string FirstBasho(const std::string& name, const BashoRow& first) {
    return name + "、"_sj + BashoWords(first.nengo, first.month) + "に"_sj +
           std::string(RankWord(first.rank)) + "で初土俵。"_sj +
           (first.wins > first.losses ? "いきなり"_sj : "デビューは"_sj) +
           Record(first.wins, first.losses) + "。"_sj;
}

// Each first basho at a rank higher than every one before.
std::string Promotions(const std::vector<BashoRow>& basho) {
    int32_t best = basho.front().rank;
    std::string steps;
    for (const BashoRow& b : basho) {
        if (b.rank >= best || RankWord(b.rank).empty())
            continue;
        best = b.rank;
        steps += (steps.empty() ? "" : "、"_sj) + BashoWords(b.nengo, b.month) + "に新"_sj +
                 std::string(RankWord(b.rank));
    }
    if (steps.empty())
        return "最高位は"_sj + std::string(RankWord(best)) + "、番付を上げることはかなわず。"_sj;
    return steps + (best == 1 ? "と駆け上がり、ついに綱を張った！"_sj : "と出世した。"_sj);
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
    std::vector<std::string> sentences = {"初優勝は"_sj + BashoWords(first->nengo, first->month) +
                                          "、賜杯を抱くこと通算"_sj + IntToStr(yusyo) + "回。"_sj};
    if (perfect)
        sentences.push_back("全勝優勝の快挙も成し遂げた！"_sj);
    return sentences;
}

std::string Rival(const RivalRow& rival) {
    return "好敵手は"_sj + Utf8ToShiftJis(rival.opponent) + "、"_sj + IntToStr(rival.bouts) +
           "度の対戦で"_sj + Record(rival.wins, rival.losses) + "。"_sj;
}

std::string Ending(const CareerSummary& career, const BashoRow& last) {
    const std::string record = "通算"_sj + Record(career.wins, career.losses);
    if (career.retired)
        return BashoWords(last.nengo, last.month) + "を最後に土俵を去った。"_sj + record + "。"_sj;
    return BashoWords(last.nengo, last.month) + "まで"_sj + IntToStr(career.basho) +
           "場所を務め、"_sj + record + "。"_sj;
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
