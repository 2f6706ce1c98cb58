#include "desktop/film_pace.h"

#include <QSettings>

namespace kelmar {

namespace {

const QString kOrganisation = QStringLiteral("kelmar");
const QString kApplication = QStringLiteral("kelmar");
const QString kPaceKey = QStringLiteral("film/pace");

}  // namespace

FilmPace LoadFilmPace() {
    const QSettings settings(kOrganisation, kApplication);
    if (settings.status() != QSettings::NoError)
        return FilmPace::Standard;
    return FilmPaceNamed(settings.value(kPaceKey).toString().toStdString());
}

void SaveFilmPace(FilmPace pace) {
    QSettings settings(kOrganisation, kApplication);
    if (settings.status() != QSettings::NoError)
        return;
    settings.setValue(kPaceKey, QLatin1String(NameOfFilmPace(pace)));
    settings.sync();
}

}  // namespace kelmar
