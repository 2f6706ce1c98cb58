// A fresh temporary game folder for a test: the process changes into it, and
// back out and removes it at the end.
#pragma once

#include <string>
#include <string_view>

#include "state/game_state.h"

namespace kelmar::testing {

class GameFolder {
  public:
    GameFolder();
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    const std::string& path() const { return path_; }
    // Writes a file of the folder with exactly these bytes.
    void Write(std::string_view name, std::string_view bytes) const;
    // Copies a file of the shipped data folder into this one.
    void CopyData(std::string_view name) const;
    void CopyAllData() const;
    std::string Read(std::string_view name) const;

  private:
    std::string path_;
    std::string previous_;
};

// Lines joined with CR LF after each, as the game writes text files.
std::string CrLf(std::initializer_list<std::string_view> lines);

// A roster file of `records` records, all alike but the first.
std::string RosterText(std::string_view firstName, std::string_view firstFigures,
                       int records = kRosterSlots);

}  // namespace kelmar::testing
