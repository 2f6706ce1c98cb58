#include "pictures/league.h"

#include <filesystem>
#include <stdexcept>

#include "lang/romaji.h"
#include "state/encoding.h"
#include "state/roster.h"
#include "state/strings.h"

namespace kelmar::pictures {

GameState ReadLeague(const QString& dataDir) {
    namespace fs = std::filesystem;
    // The readers open their files by bare name, as the game does.
    const fs::path previous = fs::current_path();
    fs::current_path(fs::path(dataDir.toStdString()));
    GameState league;
    try {
        LoadRoster(league);
        LoadMatchTable(league);
        LoadJuryoNames(league);
    } catch (...) {
        fs::current_path(previous);
        throw;
    }
    fs::current_path(previous);
    return league;
}

std::map<int, QString> PortraitNames(const GameState& league) {
    std::map<int, QString> names;
    auto add = [&names](const std::string& shikona) {
        const int n = PortraitNumber(shikona);
        const QString name = QString::fromStdString(ShiftJisToUtf8(DisplayName(shikona)));
        if (!names.emplace(n, name).second)
            throw std::runtime_error("portrait number " + std::to_string(n) + " is used twice");
    };
    for (int slot = 1; slot <= kRosterSlots; ++slot) add(league.NameOfWres[slot]);
    for (int i = 1; i <= kJuryo; ++i) add(league.Juryo[i]);
    return names;
}

std::map<int, std::string> PortraitReadings(const GameState& league, const QString& dataDir) {
    const RomajiTable table =
        RomajiTable::Read((std::filesystem::path(dataDir.toStdString()) / kRomajiFile).string());
    std::map<int, std::string> readings;
    auto add = [&](const std::string& shikona) {
        const std::string name = DisplayName(shikona);
        const auto reading = table.Of(name);
        if (!reading)
            throw std::runtime_error(ShiftJisToUtf8(name) + " has no reading in romaji.txt");
        readings.emplace(PortraitNumber(shikona), std::string(*reading));
    };
    for (int slot = 1; slot <= kRosterSlots; ++slot) add(league.NameOfWres[slot]);
    for (int i = 1; i <= kJuryo; ++i) add(league.Juryo[i]);
    return readings;
}

}  // namespace kelmar::pictures
