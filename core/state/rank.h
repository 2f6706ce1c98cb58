// The ranks of the makuuchi by their codes, as the roster, the saved game and
// the career record hold them: "1" yokozuna, "2" ozeki, "3" sekiwake,
// "4" komusubi, "5" maegashira, and "6", the best rank of a career that has
// held none yet. Every reader of a rank code reads it here; the windows turn
// the word into their own text at their boundary.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "state/shift_jis_literal.h"

namespace kelmar {

inline constexpr int kYokozuna = 1;
inline constexpr int kMaegashira = 5;
inline constexpr int kNoRankYet = 6;

inline constexpr std::array<std::string_view, 5> kRankWords = {sj<"横綱">, sj<"大関">, sj<"関脇">,
                                                               sj<"小結">, sj<"前頭">};

// The code of a rank text "1".."6", or 0 for any other text.
constexpr int RankCode(std::string_view text) {
    return text.size() == 1 && text[0] >= '1' && text[0] <= '6' ? text[0] - '0' : 0;
}

// The word of a rank code in the game's Shift-JIS, empty for a code outside
// 1..5 (a career without a rank yet has no word).
constexpr std::string_view RankWord(int64_t code) {
    return code >= kYokozuna && code <= kMaegashira ? kRankWords[static_cast<size_t>(code - 1)]
                                                    : std::string_view();
}

}  // namespace kelmar
