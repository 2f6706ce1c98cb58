#include "desktop/record_text.h"

#include "desktop/language_choice.h"
#include "lang/pieces.h"
#include "lang/ranks.h"
#include "state/encoding.h"

namespace kelmar {

QString RankText(std::optional<int32_t> rank) {
    return rank ? QString::fromStdString(RankName(ShownLanguage(), *rank)) : QString();
}

QString BashoName(int32_t nengo, int32_t month) {
    return QString::fromStdString(BashoDateIn(ShownLanguage(), nengo, month));
}

QString WinsAndLosses(int32_t wins, int32_t losses) {
    return QString::fromStdString(WinsAndLossesIn(ShownLanguage(), wins, losses));
}

QString RecordName(const std::string& shikona) {
    return ShownNameOf(Utf8ToShiftJis(shikona));
}

}  // namespace kelmar
