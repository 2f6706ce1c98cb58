// The line the simulator writes at the end of every call of RunBasho: one JSON
// object in UTF-8, its keys in a fixed order that tools downstream rely on,
// written straight into the run's output buffer.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sim/json_texts.h"
#include "sim/league_run.h"

namespace kelmar::sim {

class LinePieces;

class BashoLineWriter {
  public:
    // The line of the run's last call, its line end included, appended to
    // `out`. With a run number (the program's --runs), "run" is its first key.
    void Append(const LeagueRun& run, std::optional<int64_t> runNumber, std::string& out);

  private:
    void AppendSlot(const GameState& s, int i, LinePieces& out);
    void AppendRanks(std::string_view stage, std::string_view saiko, LinePieces& out);
    void AppendReport(const std::optional<ReportLines>& report, LinePieces& out);
    void AppendText(std::string_view sjis, LinePieces& out);

    JsonTexts texts_;
    // Where each place's name was found the last time: the juryo list hardly
    // changes from one basho to the next, and a rikishi often keeps his slot.
    std::array<JsonTexts::Hint, kSlots> slotNames_{};
    std::array<JsonTexts::Hint, kJuryo> juryoNames_{};
};

}  // namespace kelmar::sim
