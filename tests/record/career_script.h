// Careers written to a CareerRecord basho by basho, as the game feeds it, from
// a short script of each basho: the rank, the fifteen days as "o" (a win) or
// "x" (a loss), "K" a win and "k" a loss against a yokozuna, and whether the
// rikishi won the basho (known to the record when the next one begins).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "record/career_record.h"

namespace kelmar::testing {

struct ScriptedBasho {
    int32_t rank = 5;
    std::string days;  // fifteen of "o", "x", "K", "k"
    bool champion = false;
};

// `times` copies of one basho.
inline std::vector<ScriptedBasho> Repeat(const ScriptedBasho& basho, int times) {
    return std::vector<ScriptedBasho>(static_cast<size_t>(times), basho);
}

inline std::vector<ScriptedBasho> Then(std::vector<ScriptedBasho> first,
                                       const std::vector<ScriptedBasho>& more) {
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

// Writes one career (from January 2020, two months a basho) and retires it
// unless `retire` is false; a champion of the last basho is not written, as
// the game never crowns him.
inline void RecordScriptedCareer(CareerRecord& record, const std::string& shikona,
                                 const std::vector<ScriptedBasho>& career, bool retire = true) {
    record.NewGame();
    int32_t wins = 0;
    int32_t losses = 0;
    for (size_t i = 0; i < career.size(); ++i) {
        const ScriptedBasho& b = career[i];
        BashoStart start;
        start.nengo = 2020 + static_cast<int32_t>(i / 6);
        start.month = 2 * static_cast<int32_t>(i % 6) + 1;
        start.slot = 10 + b.rank;
        start.rank = b.rank;
        start.shikona = shikona;
        start.crowned = i > 0 && career[i - 1].champion;
        start.careerWins = wins;
        start.careerLosses = losses;
        record.BeginBasho(start);
        for (size_t d = 0; d < b.days.size(); ++d) {
            const char c = b.days[d];
            BoutEntry bout;
            bout.day = static_cast<int32_t>(d + 1);
            bout.opponent = c == 'K' || c == 'k' ? "横綱山" : "前頭川" + std::to_string(d % 4);
            bout.opponentSlot = c == 'K' || c == 'k' ? 1 : 20;
            bout.opponentRank = c == 'K' || c == 'k' ? 1 : 5;
            bout.won = c == 'o' || c == 'K';
            bout.tactic = 1;
            record.AddBout(bout);
            (bout.won ? wins : losses) += 1;
        }
        record.EndBasho(BashoEnd{wins, losses, 0});
    }
    if (retire)
        record.Retire(0);
}

}  // namespace kelmar::testing
