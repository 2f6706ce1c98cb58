#include "record/career_cover.h"

#include "lang/pieces.h"
#include "state/encoding.h"
#include "state/rank.h"
#include "state/wording.h"

namespace kelmar {

namespace {

using Kind = PhrasePiece::Kind;

PhrasePiece BashoPiece(const BashoRow& b) {
    return NumberPiece("basho", Kind::Basho, b.nengo, b.month);
}

PhrasePiece RecordPiece(int32_t wins, int32_t losses) {
    return NumberPiece("record", Kind::Record, wins, losses);
}

Phrase FirstBasho(const std::string& name, const BashoRow& first) {
    constexpr Wording kWinning = wd<"{name}、{basho}場所に{rank}で初土俵。いきなり{record}。">;
    constexpr Wording kLosing = wd<"{name}、{basho}場所に{rank}で初土俵。デビューは{record}。">;
    return {first.wins > first.losses ? kWinning : kLosing,
            {NamePiece("name", name), BashoPiece(first),
             NumberPiece("rank", Kind::RankWithArticle, first.rank),
             RecordPiece(first.wins, first.losses)}};
}

// Each first basho at a rank higher than every one before.
Phrase Promotions(const std::vector<BashoRow>& basho) {
    int32_t best = basho.front().rank;
    std::vector<Phrase> steps;
    for (const BashoRow& b : basho) {
        if (b.rank >= best || RankWord(b.rank).empty())
            continue;
        best = b.rank;
        steps.push_back({wd<"{basho}場所に新{rank}">,
                         {BashoPiece(b), NumberPiece("rank", Kind::Rank, b.rank)}});
    }
    if (steps.empty())
        return {wd<"最高位は{rank}、番付を上げることはかなわず。">,
                {NumberPiece("rank", Kind::Rank, best)}};
    return {best == 1 ? wd<"{steps}と駆け上がり、ついに綱を張った！"> : wd<"{steps}と出世した。">,
            {ListPiece("steps", std::move(steps))}};
}

std::vector<Phrase> Championships(const std::vector<BashoRow>& basho, int32_t yusyo) {
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
    std::vector<Phrase> sentences = {
        {wd<"初優勝は{basho}場所、賜杯を抱くこと通算{times}。">,
         {BashoPiece(*first), NumberPiece("times", Kind::Times, yusyo)}}};
    if (perfect)
        sentences.push_back({wd<"全勝優勝の快挙も成し遂げた！">, {}});
    return sentences;
}

Phrase Rival(const RivalRow& rival) {
    return {
        wd<"好敵手は{name}、{bouts}度の対戦で{record}。">,
        {NamePiece("name", Utf8ToShiftJis(rival.opponent)),
         NumberPiece("bouts", Kind::Number, rival.bouts), RecordPiece(rival.wins, rival.losses)}};
}

Phrase Ending(const CareerSummary& career, const BashoRow& last) {
    if (career.retired)
        return {wd<"{basho}場所を最後に土俵を去った。通算{record}。">,
                {BashoPiece(last), RecordPiece(career.wins, career.losses)}};
    return {wd<"{basho}場所まで{count}場所を務め、通算{record}。">,
            {BashoPiece(last), NumberPiece("count", Kind::Number, career.basho),
             RecordPiece(career.wins, career.losses)}};
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
            cover.achievements.push_back(CoverAchievement{
                std::string(kAchievements[*index].name.japanese), a.nengo, a.month});
    if (basho.empty())
        return cover;
    cover.lastNengo = basho.back().nengo;
    cover.lastMonth = basho.back().month;
    cover.sentences.push_back(FirstBasho(cover.shikona, basho.front()));
    cover.sentences.push_back(Promotions(basho));
    for (Phrase& sentence : Championships(basho, career.yusyo))
        cover.sentences.push_back(std::move(sentence));
    if (const RivalRow* rival = BestRival(rivals))
        cover.sentences.push_back(Rival(*rival));
    cover.sentences.push_back(Ending(career, basho.back()));
    for (const Phrase& sentence : cover.sentences)
        cover.biography.push_back(Utf8ToShiftJis(PhraseIn(Language::Japanese, sentence)));
    return cover;
}

std::vector<std::string> BiographyIn(Language language, const CareerCover& cover) {
    std::vector<std::string> sentences;
    for (const Phrase& sentence : cover.sentences)
        sentences.push_back(PhraseIn(language, sentence));
    return sentences;
}

}  // namespace kelmar
