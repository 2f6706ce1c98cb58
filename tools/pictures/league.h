// The league as the data files give it, read by the game's own readers, and
// the names that the pictures show.
#pragma once

#include <QString>
#include <map>
#include <string>

#include "state/game_state.h"

namespace kelmar::pictures {

// The roster, the pairing table and the juryo names of the data folder.
GameState ReadLeague(const QString& dataDir);

// Display names (UTF-8) by portrait number, of the roster and the juryo.
// Raises std::runtime_error when two names claim one number.
std::map<int, QString> PortraitNames(const GameState& league);

// The readings in romaji (romaji.txt of the data folder) of the same names, by
// portrait number. Raises std::runtime_error for a name the file lacks: the
// English sheet has a plate for every name.
std::map<int, std::string> PortraitReadings(const GameState& league, const QString& dataDir);

}  // namespace kelmar::pictures
