#include "desktop/language_choice.h"

#include <QSettings>
#include <cstdlib>
#include <string>

#include "lang/catalogue.h"
#include "lang/names.h"

namespace kelmar {

namespace {

const QString kOrganisation = QStringLiteral("kelmar");
const QString kApplication = QStringLiteral("kelmar");
const QString kLanguageKey = QStringLiteral("face/language");

Language shown = Language::Japanese;

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

std::optional<Language> KeptLanguage() {
    const QSettings settings(kOrganisation, kApplication);
    if (settings.status() != QSettings::NoError)
        return std::nullopt;
    return LanguageOfCode(settings.value(kLanguageKey).toString().toStdString());
}

Language StartingLanguage() {
    if (const std::optional<Language> kept = KeptLanguage())
        return *kept;
    return LanguageOfEnvironment([](const char* name) { return std::getenv(name); });
}

void KeepLanguage(Language language) {
    QSettings settings(kOrganisation, kApplication);
    if (settings.status() != QSettings::NoError)
        return;
    const std::string_view code = CodeOf(language);
    settings.setValue(kLanguageKey,
                      QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size())));
    settings.sync();
}

Language ShownLanguage() {
    return shown;
}

void SetShownLanguage(Language language) {
    shown = language;
}

QString Tr(std::string_view japanese) {
    return FromUtf8(Translate(shown, japanese));
}

QString TrIn(std::string_view context, std::string_view japanese) {
    return FromUtf8(TranslateIn(shown, context, japanese));
}

QString TrFormat(std::string_view japanese, std::initializer_list<TextPiece> pieces) {
    return FromUtf8(Format(shown, japanese, pieces));
}

QString ShownNameOf(std::string_view displayName) {
    return FromUtf8(ShownName(shown, displayName));
}

}  // namespace kelmar
