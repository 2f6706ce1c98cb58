// The summary of a run for a balance designer: the careers of the player, and
// what happened in the league per 100 basho.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "sim/league_run.h"

namespace kelmar::sim {

// Indices by a key of the name, open addressing over 64 cells for the
// league's 32 names; the first index stored under a key is found first.
class NameTable {
  public:
    void Clear() { cells_.fill(0); }
    void Insert(uint64_t key, int index) {
        size_t h = Home(key);
        while (cells_[h] != 0) h = (h + 1) % kCells;
        keys_[h] = key;
        cells_[h] = static_cast<int8_t>(index + 1);
    }
    // The first index under the key that `same` accepts, -1 for none.
    template <typename Same>
    int Find(uint64_t key, Same same) const {
        for (size_t h = Home(key); cells_[h] != 0; h = (h + 1) % kCells)
            if (keys_[h] == key && same(cells_[h] - 1))
                return cells_[h] - 1;
        return -1;
    }

  private:
    static constexpr size_t kCells = 64;
    static size_t Home(uint64_t key) { return (key * 0x9E3779B97F4A7C15u) >> 58; }
    std::array<uint64_t, kCells> keys_{};
    std::array<int8_t, kCells> cells_{};
};

// The league as a call of RunBasho finds it: every computer rikishi's rank
// and tenure by name (names are unique in the league; should one come twice,
// the later slot counts), and the best rank the player's rikishi holds. Kept
// in place, so that taking it costs no allocation.
struct LeagueSnapshot {
    struct Record {
        std::string name;
        uint64_t key = 0;  // the name's length and first bytes, to compare quickly
        int rank = 0;      // the rank code 1..6, 0 for any other text
        int32_t zaii = 0;
    };
    std::array<Record, kSlots> computers;
    int count = 0;
    std::string playerBest = "6";

    void Clear();
    void Put(const std::string& name, const std::string& stage, int32_t zaii);
    // The index of the name's record, -1 for none; `key` is the name's key.
    int IndexOf(const std::string& name, uint64_t key) const;

  private:
    NameTable table_;
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
    // The run is over: its calls, and its career in progress if any.
    void EndRun(const LeagueRun& run);
    // The summary of the runs merged so far and another run's (or another
    // sum's), counted after them. A sum of runs keeps its careers in a form
    // whose size does not grow with the runs: the careers ended counted by
    // length, and the careers in progress when their run ended counted, with
    // their basho, best ranks and scores summed.
    void Merge(const LeagueStats& other);
    // One run lists its careers in the order they ended, and its career in
    // progress; a sum of runs prints the counted form.
    void Print(std::ostream& out) const;

    int64_t bashoPlayed() const { return bashoPlayed_; }
    // Of one run: its careers in the order they ended.
    const std::vector<int64_t>& careerLengths() const { return careerLengths_; }
    // Of a sum of runs: the careers ended, by length.
    const std::map<int64_t, int64_t>& careersByLength() const { return careersByLength_; }
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
        int64_t basho = 0;
        std::string best;
        int32_t score = 0;
    };

    // The careers still in progress when their runs ended, counted.
    struct CareersInProgress {
        int64_t count = 0;
        int64_t basho = 0;
        int64_t longest = 0;
        int64_t score = 0;
        std::array<int64_t, 7> bestRanks{};  // by rank code 1..6
        void Add(const CareersInProgress& other);
    };
    // Adds the other's careers, listed or counted, to the counted ones.
    void CountCareers(const LeagueStats& from);
    void PrintListed(std::ostream& out) const;
    void PrintCounted(std::ostream& out) const;

    int64_t calls_ = 0;
    int64_t clockReadings_ = 0;
    std::vector<CareerInProgress> inProgress_;  // of the run ended
    bool summed_ = false;                       // a sum of runs, in the counted form
    std::map<int64_t, int64_t> careersByLength_;
    CareersInProgress careersInProgress_;
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
