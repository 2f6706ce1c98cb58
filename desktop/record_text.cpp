#include "desktop/record_text.h"

#include "desktop/language_choice.h"
#include "state/encoding.h"
#include "state/rank.h"

namespace kelmar {

QString RankText(std::optional<int32_t> rank) {
    return rank ? QString::fromStdString(ShiftJisToUtf8(RankWord(*rank))) : QString();
}

QString BashoName(int32_t nengo, int32_t month) {
    return Tr("%1年%2月").arg(nengo).arg(month);
}

QString WinsAndLosses(int32_t wins, int32_t losses) {
    return Tr("%1勝%2敗").arg(wins).arg(losses);
}

}  // namespace kelmar
