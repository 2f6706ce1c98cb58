// The three data files that seed the league: the roster "Wrestler.txt", the
// pairing table "Match.txt" and the juryo names "juryo.txt", opened by bare
// name in the current directory.
#pragma once

#include <string>
#include <vector>

#include "state/game_state.h"
#include "state/text_file.h"

namespace kelmar {

inline constexpr const char* kRosterFile = "Wrestler.txt";
inline constexpr const char* kMatchFile = "Match.txt";
inline constexpr const char* kJuryoFile = "juryo.txt";

// Slots 1..31 from the roster; then RosterLoaded and LastWin become 1. An error
// ends the reading at once and keeps what was stored before it. A shikona
// whose portrait number is below 1 is refused with RangeError naming the file
// and the line.
void LoadRoster(GameState& state);

// Match[1..15] from the pairing table, each line stored whole. A line naming a
// slot outside 1..32 is refused with RangeError naming the file and the line
// (fields that are no number are converted, and refused, by the day card).
void LoadMatchTable(GameState& state);

// Juryo[1..27]; returns the 27 display names for the list box, item k showing
// Juryo[k+1]. A portrait number below 1 is refused as in the roster.
std::vector<std::string> LoadJuryoNames(GameState& state);

// Where a career reads the league's data files. The game reads the files of
// the current folder afresh every time (DiskLeagueFiles); a headless run may
// hand the core a source of its own, which must give what the disk gives: the
// same figures, and the same errors at the same moments.
class LeagueFiles {
  public:
    virtual ~LeagueFiles() = default;
    virtual void LoadRoster(GameState& state) = 0;
    virtual void LoadMatchTable(GameState& state) = 0;
    virtual std::vector<std::string> LoadJuryoNames(GameState& state) = 0;
};

// The files of the current folder, through the three readers above.
LeagueFiles& DiskLeagueFiles();

// Slots 1..31 of `state` seeded from `league`, which holds a whole reading of
// the roster, as LoadRoster seeds them from the file.
void SeedRoster(const GameState& league, GameState& state);

// The same readers over a file already open (for the fuzzers and tests).
void LoadRosterFrom(GameState& state, TextReader& file);
void LoadMatchTableFrom(GameState& state, TextReader& file);
std::vector<std::string> LoadJuryoNamesFrom(GameState& state, TextReader& file);

// The tenure that the roster seeds from an age; false for an age outside
// 20..40, where Zaii keeps its value.
bool ZaiiForAge(int32_t age, int32_t& zaii);

}  // namespace kelmar
