#include "desktop/film_pace.h"

#include <QSettings>
#include <algorithm>

namespace kelmar {

namespace {

const QString kOrganisation = QStringLiteral("kelmar");
const QString kApplication = QStringLiteral("kelmar");
const QString kPaceKey = QStringLiteral("film/pace");

static_assert(kFilmPaces[1].pace == FilmPace::Fast && kFilmPaces[2].pace == FilmPace::VeryFast);

const FilmPaceChoice& ChoiceOf(FilmPace pace) {
    return kFilmPaces[static_cast<size_t>(pace)];
}

}  // namespace

int TickInterval(FilmPace pace, int standardMs) {
    return std::max(1, standardMs / ChoiceOf(pace).divisor);
}

FilmPace LoadFilmPace() {
    const QSettings settings(kOrganisation, kApplication);
    if (settings.status() != QSettings::NoError)
        return FilmPace::Standard;
    const QString kept = settings.value(kPaceKey).toString();
    for (const FilmPaceChoice& choice : kFilmPaces)
        if (kept == QLatin1String(choice.name))
            return choice.pace;
    return FilmPace::Standard;
}

void SaveFilmPace(FilmPace pace) {
    QSettings settings(kOrganisation, kApplication);
    if (settings.status() != QSettings::NoError)
        return;
    settings.setValue(kPaceKey, QLatin1String(ChoiceOf(pace).name));
    settings.sync();
}

}  // namespace kelmar
