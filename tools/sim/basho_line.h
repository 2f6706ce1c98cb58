// The line the simulator writes at the end of every call of RunBasho: one JSON
// object in UTF-8, its keys in a fixed order that tools downstream rely on.
#pragma once

#include <nlohmann/json.hpp>

#include "tools/sim/league_run.h"

namespace kelmar::sim {

nlohmann::ordered_json BashoLine(const LeagueRun& run);

// The object as one line of text, without the line end.
std::string BashoLineText(const LeagueRun& run);

}  // namespace kelmar::sim
