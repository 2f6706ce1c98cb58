// The summary of a run for a balance designer: the careers of the player, and
// what happened in the league per 100 basho.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tools/sim/league_run.h"

namespace kelmar::sim {

// The league as a call of RunBasho finds it: every computer rikishi's rank
// and tenure by name (names are unique in the league; should one come twice,
// the later slot counts), and the best rank the player's rikishi holds. Kept
// in place, so that taking it costs no allocation.
struct LeagueSnapshot {
    struct Record {
        std::string name;
        uint64_t key = 0;  // the name's length and first bytes, to compare quickly
        std::string stage;
        int32_t zaii = 0;
    };
    std::array<Record, kSlots> computers;
    int count = 0;
    std::string playerBest = "6";

    void Clear();
    void Put(const std::string& name, const std::string& stage, int32_t zaii);
    const Record* Find(const std::string& name) const;

  private:
    int IndexOf(const std::string& name) const;
};

class LeagueStats {
  public:
    // The league right before the next call of the run. When that call
    // begins a career, it is the one the confirm reads from the roster file
    // (the file does not change during a run, so it is read once); when it
    // resumes a saved game, the one the load reads.
    void Before(const LeagueRun& run);
    // That call, from the league before it to the run after it.
    void Add(const LeagueRun& after);
    // The run is over: its calls, and its career in progress if any. With a
    // run number (the program's --runs), the summary names the run.
    void EndRun(const LeagueRun& run, std::optional<int64_t> runNumber = std::nullopt);
    // The summary of this run's and the other's, the other's counted after.
    void Merge(const LeagueStats& other);
    void Print(std::ostream& out) const;

    int64_t bashoPlayed() const { return bashoPlayed_; }
    const std::vector<int64_t>& careerLengths() const { return careerLengths_; }
    int64_t ozekiPromotions() const { return ozekiPromotions_; }
    int64_t yokozunaPromotions() const { return yokozunaPromotions_; }
    int64_t ozekiDemotions() const { return ozekiDemotions_; }
    int64_t retirements() const { return retirements_; }
    int64_t drops() const { return drops_; }

  private:
    void AddBasho(const GameState& s);

    LeagueSnapshot before_;
    std::optional<GameState> roster_;
    struct CareerInProgress {
        std::optional<int64_t> run;
        int64_t basho = 0;
        std::string best;
        int32_t score = 0;
    };

    int64_t calls_ = 0;
    int64_t clockReadings_ = 0;
    std::vector<CareerInProgress> inProgress_;  // of the runs ended
    int64_t bashoPlayed_ = 0;
    int64_t currentCareer_ = 0;  // basho of the career in progress
    std::vector<int64_t> careerLengths_;
    std::array<int64_t, 7> bestRanks_{};  // careers ended, by best rank code 1..6
    std::string currentBest_ = "6";
    int64_t ozekiPromotions_ = 0;
    int64_t yokozunaPromotions_ = 0;
    int64_t ozekiDemotions_ = 0;
    int64_t retirements_ = 0;
    int64_t drops_ = 0;
    std::array<int64_t, 16> championWins_{};
    std::array<int64_t, 6> eSum_{};  // by rank code 1..5
    std::array<int64_t, 6> eCount_{};
};

}  // namespace kelmar::sim
