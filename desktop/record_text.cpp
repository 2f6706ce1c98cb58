#include "desktop/record_text.h"

#include <array>

namespace kelmar {

QString RankWord(std::optional<int32_t> rank) {
    static const std::array<QString, 5> kWords = {QStringLiteral("横綱"), QStringLiteral("大関"),
                                                  QStringLiteral("関脇"), QStringLiteral("小結"),
                                                  QStringLiteral("前頭")};
    if (!rank || *rank < 1 || *rank > 5)
        return {};
    return kWords[static_cast<size_t>(*rank - 1)];
}

QString BashoName(int32_t nengo, int32_t month) {
    return QStringLiteral("%1年%2月").arg(nengo).arg(month);
}

QString WinsAndLosses(int32_t wins, int32_t losses) {
    return QStringLiteral("%1勝%2敗").arg(wins).arg(losses);
}

}  // namespace kelmar
