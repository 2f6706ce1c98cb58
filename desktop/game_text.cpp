#include "desktop/game_text.h"

#include "state/encoding.h"

namespace kelmar {

QString FromGame(std::string_view sjis) {
    const std::string utf8 = ShiftJisToUtf8(sjis);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToGame(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToShiftJis(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

}  // namespace kelmar
