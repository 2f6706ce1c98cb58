// The line the simulator writes at the end of every call of RunBasho: one JSON
// object in UTF-8, its keys in a fixed order that tools downstream rely on,
// written straight into the run's output buffer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "tools/sim/json_texts.h"
#include "tools/sim/league_run.h"

namespace kelmar::sim {

class BashoLineWriter {
  public:
    // The line of the run's last call, its line end included, appended to
    // `out`. With a run number (the program's --runs), "run" is its first key.
    void Append(const LeagueRun& run, std::optional<int64_t> runNumber, std::string& out);

  private:
    void AppendSlot(const GameState& s, int i, std::string& out);
    void AppendReport(const std::optional<ReportLines>& report, std::string& out);

    JsonTexts texts_;
};

}  // namespace kelmar::sim
