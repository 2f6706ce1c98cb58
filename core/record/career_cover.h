// The cover (表紙) of a career in "力士の記録": its facts and a short
// biography of three to six sentences in the paper's style, composed from the
// career's rows in the record: the first basho, the promotions, the
// championships, the best rival and how the career ended. The texts are the
// game's Shift-JIS strings; the record's UTF-8 names are converted on the way in.
// The biography's sentences are kept as phrases too, so that a face shows them
// in its language.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lang/language.h"
#include "lang/pieces.h"
#include "record/career_record.h"

namespace kelmar {

struct CoverAchievement {
    std::string name;  // 初金星
    int32_t nengo = 0;
    int32_t month = 0;
};

struct CareerCover {
    std::string shikona;
    int32_t firstNengo = 0, firstMonth = 0;  // 初土俵
    int32_t lastNengo = 0, lastMonth = 0;    // the last basho written
    std::string bestRank;                    // the rank word; empty before any basho
    int32_t wins = 0, losses = 0, yusyo = 0;
    bool retired = false;
    std::vector<CoverAchievement> achievements;
    std::vector<Phrase> sentences;       // the biography, one phrase a sentence
    std::vector<std::string> biography;  // the same in Japanese
};

// The best rival: the opponent with the most bouts, then the most wins, then
// the first name in byte order; none when no opponent was met twice.
const RivalRow* BestRival(const std::vector<RivalRow>& rivals);

// The cover of a career with at least one basho.
CareerCover ComposeCover(const CareerSummary& career, const std::vector<BashoRow>& basho,
                         const std::vector<RivalRow>& rivals,
                         const std::vector<EarnedAchievement>& achievements);

// The biography's sentences in `language`, UTF-8, the names in romaji where
// the language writes them.
std::vector<std::string> BiographyIn(Language language, const CareerCover& cover);

}  // namespace kelmar
