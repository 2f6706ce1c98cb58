// The words the record's windows show for its numbers and names, in the shown
// language: rank codes, months, records of wins and losses, the record's
// shikona.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>

namespace kelmar {

// 横綱 for 1 down to 前頭 for 5 (Yokozuna ... Maegashira); empty for any other code.
QString RankText(std::optional<int32_t> rank);
// 2020年3月, March 2020
QString BashoName(int32_t nengo, int32_t month);
// 9勝6敗, 9-6
QString WinsAndLosses(int32_t wins, int32_t losses);
// A shikona as the record keeps it (UTF-8), in romaji where the language writes them.
QString RecordName(const std::string& shikona);

}  // namespace kelmar
