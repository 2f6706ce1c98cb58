// Reading the lines of kelmar-sim back in a test, and holding them against a
// game state.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "state/game_state.h"

namespace kelmar::testing {

using Json = nlohmann::ordered_json;

extern const std::vector<std::string> kSlotKeys;

std::vector<std::string> Lines(const std::string& out);
std::vector<Json> ParsedLines(const std::string& out);

// The values of the state that a save keeps, against the line's: the league,
// the juryo pool and the season (gtest expectations).
void ExpectSavedValuesOfLine(const Json& line, const GameState& s);

}  // namespace kelmar::testing
