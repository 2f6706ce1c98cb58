// The words the record's windows show for its numbers: rank codes, months,
// records of wins and losses.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace kelmar {

// 横綱 for 1 down to 前頭 for 5; empty for any other code.
QString RankText(std::optional<int32_t> rank);
// 2020年3月
QString BashoName(int32_t nengo, int32_t month);
// 9勝6敗
QString WinsAndLosses(int32_t wins, int32_t losses);

}  // namespace kelmar
