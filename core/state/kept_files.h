// The league's data files of a run that nothing writes to, kept after their
// first reading. The game reads its data files afresh at every new career; a
// headless run whose folder never changes may keep them instead, and gets the
// same bytes, so the same figures and the same errors at the same moments.
// The roster and the pairing table are kept as their first whole reading too,
// so that later careers take them without reading the text again. A file that
// cannot be read, or a reading that fails, is not kept: the next reading tries
// again.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "state/game_state.h"
#include "state/roster.h"
#include "state/text_file.h"

namespace kelmar {

class KeptFiles final : public LeagueFiles {
  public:
    void LoadRoster(GameState& state) override;
    void LoadMatchTable(GameState& state) override;
    std::vector<std::string> LoadJuryoNames(GameState& state) override;

    // A reader over the file's kept bytes, read from the disk the first time;
    // raises InOutError as the disk does.
    TextReader Open(const std::string& path);

  private:
    std::vector<std::pair<std::string, std::string>> files_;
    // The league of the first whole reading of the roster, slots 1..31.
    std::unique_ptr<GameState> roster_;
    std::optional<decltype(GameState::Match)> match_;
};

}  // namespace kelmar
