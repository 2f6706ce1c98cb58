// The words of the five ranks of the makuuchi, by rank code: 1 yokozuna,
// 2 ozeki, 3 sekiwake, 4 komusubi, 5 maegashira. The name labels, the reports'
// best rank and the picture sheet's rank cells all read them here.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "state/shift_jis_literal.h"

namespace kelmar {

inline constexpr std::array<std::string_view, 5> kRankWords = {"横綱"_sj, "大関"_sj, "関脇"_sj,
                                                               "小結"_sj, "前頭"_sj};

// The word of a rank code, empty for a code outside 1..5.
constexpr std::string_view RankWord(int64_t code) {
    return code >= 1 && code <= 5 ? kRankWords[static_cast<size_t>(code - 1)] : std::string_view();
}

}  // namespace kelmar
