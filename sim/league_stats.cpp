#include "sim/league_stats.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <numeric>

#include "state/rank.h"
#include "state/roster.h"
#include "state/saved_game.h"

namespace kelmar::sim {

namespace {

// The summary's words for the rank codes 1..6, by code.
constexpr const char* kRankNames[] = {"",         "yokozuna",   "ozeki", "sekiwake",
                                      "komusubi", "maegashira", "none"};

// The name's length and some of its bytes, to tell the league's names apart
// at a glance; the names themselves are compared all the same. A name of
// eight bytes or more is read in one load, one of four to seven in two that
// overlap.
uint64_t NameKey(const std::string& name) {
    const size_t size = name.size();
    uint64_t bytes = 0;
    if (size >= 8) {
        std::memcpy(&bytes, name.data(), 8);
    } else if (size >= 4) {
        uint32_t head = 0;
        uint32_t tail = 0;
        std::memcpy(&head, name.data(), 4);
        std::memcpy(&tail, name.data() + size - 4, 4);
        bytes = head | uint64_t{tail} << 24;
    } else {
        for (size_t k = 0; k < size; ++k)
            bytes |= uint64_t{static_cast<unsigned char>(name[k])} << (8 * k);
    }
    return size | bytes << 8;
}

// The computer rikishi of slots 1..last, and the player's best rank as the
// next assessment will find it.
void Snapshot(const GameState& s, int last, LeagueSnapshot& snapshot) {
    snapshot.Clear();
    for (int i = 1; i <= last; ++i) {
        if (s.IsPlayerSlot(i))
            snapshot.playerBest = std::min(s.Saiko[i], s.Stage[i]);
        else
            snapshot.Put(s.NameOfWres[i], s.Stage[i], s.Zaii[i]);
    }
}

std::string PerHundred(int64_t count, int64_t basho) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", basho == 0 ? 0.0 : 100.0 * count / basho);
    return text;
}

std::string Mean(int64_t sum, int64_t count) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", count == 0 ? 0.0 : static_cast<double>(sum) / count);
    return text;
}

}  // namespace

void LeagueSnapshot::Clear() {
    count = 0;
    playerBest = "6";
    table_.Clear();
}

void LeagueSnapshot::Put(const std::string& name, const std::string& stage, int32_t zaii) {
    const uint64_t key = NameKey(name);
    int k = IndexOf(name, key);
    if (k < 0) {
        k = count++;
        computers[static_cast<size_t>(k)].name = name;
        computers[static_cast<size_t>(k)].key = key;
        table_.Insert(key, k);
    }
    computers[static_cast<size_t>(k)].rank = RankCode(stage);
    computers[static_cast<size_t>(k)].zaii = zaii;
}

int LeagueSnapshot::IndexOf(const std::string& name, uint64_t key) const {
    return table_.Find(key, [&](int k) { return computers[static_cast<size_t>(k)].name == name; });
}

void LeagueStats::Before(const LeagueRun& run) {
    switch (run.nextStart()) {
        case LeagueRun::Start::Next:
            Snapshot(run.state(), kSlots, before_);
            return;
        case LeagueRun::Start::Resume: {
            GameState league = run.state();
            ReadSavedGame(league);
            Snapshot(league, kSlots, before_);
            return;
        }
        case LeagueRun::Start::NewCareer:
            break;
    }
    // The confirm reads slots 1..31 from the roster file; the player enters
    // in slot 32. A roster age without a tenure leaves the slot's tenure as
    // it was.
    if (!roster_) {
        GameState roster;
        LoadRoster(roster);
        roster_ = std::move(roster);
    }
    const GameState& s = run.state();
    before_.Clear();
    for (int i = 1; i <= kRosterSlots; ++i) {
        int32_t zaii = s.Zaii[i];
        ZaiiForAge(roster_->Age[i], zaii);
        if (!GameState::IsPlayer(roster_->Age[i]))
            before_.Put(roster_->NameOfWres[i], roster_->Stage[i], zaii);
    }
    before_.playerBest = "5";
}

void LeagueStats::Add(const LeagueRun& after) {
    if (after.retired()) {
        careerLengths_.push_back(currentCareer_);
        bestRanks_[static_cast<size_t>(RankCode(before_.playerBest))] += 1;
        currentCareer_ = 0;
        currentBest_ = "6";
        return;
    }
    ++currentCareer_;
    AddBasho(after.state());
}

void LeagueStats::AddBasho(const GameState& s) {
    ++bashoPlayed_;
    // Each slot's name looked up once among the league before: the record
    // it had then, and for each record the last slot that bears its name now.
    std::array<int, kSlots + 1> was{};
    std::array<int, kSlots> lastSlot{};
    for (int i = kSlots; i >= 1; --i) {
        const std::string& name = s.NameOfWres[i];
        const int k = before_.IndexOf(name, NameKey(name));
        was[static_cast<size_t>(i)] = k;
        if (k >= 0 && lastSlot[static_cast<size_t>(k)] == 0)
            lastSlot[static_cast<size_t>(k)] = i;
    }

    int32_t championWins = 0;
    for (int i = 1; i <= kSlots; ++i) {
        championWins = std::max(championWins, s.W[i]);
        const int rank = RankCode(s.Stage[i]);
        if (rank >= 1 && rank <= 5) {
            eSum_[static_cast<size_t>(rank)] += s.E[i];
            eCount_[static_cast<size_t>(rank)] += 1;
        }
        if (s.IsPlayerSlot(i)) {
            currentBest_ = std::min(currentBest_, s.Saiko[i]);
            continue;
        }
        const int k = was[static_cast<size_t>(i)];
        // A rikishi who stayed has served one basho more; a newcomer has one
        // basho, even when his name came back from juryo in the same draw.
        if (k < 0 || before_.computers[static_cast<size_t>(k)].zaii + 1 != s.Zaii[i])
            continue;
        const int rankThen = before_.computers[static_cast<size_t>(k)].rank;
        const int rankNow = RankCode(s.Stage[i]);
        if (rankThen != 1 && rankNow == 1)
            ++yokozunaPromotions_;
        if (rankThen != 1 && rankThen != 2 && rankNow == 2)
            ++ozekiPromotions_;
        if (rankThen == 2 && rankNow != 1 && rankNow != 2)
            ++ozekiDemotions_;
    }
    championWins_[static_cast<size_t>(std::clamp(championWins, 0, 15))] += 1;

    // Whoever is not found again as a stayer has left the league.
    // A name in two slots counts in the later one.
    for (int k = 0; k < before_.count; ++k) {
        const LeagueSnapshot::Record& record = before_.computers[static_cast<size_t>(k)];
        const int now = lastSlot[static_cast<size_t>(k)];
        if (now > 0 && s.Zaii[now] == record.zaii + 1)
            continue;
        if (record.rank == 5)
            ++drops_;
        else
            ++retirements_;
    }
}

void LeagueStats::EndRun(const LeagueRun& run) {
    calls_ += run.calls();
    clockReadings_ += run.clock().readings();
    if (currentCareer_ > 0)
        inProgress_.push_back({currentCareer_, currentBest_, run.state().MyP});
    currentCareer_ = 0;
    currentBest_ = "6";
}

void LeagueStats::CareersInProgress::Add(const CareersInProgress& other) {
    count += other.count;
    basho += other.basho;
    longest = std::max(longest, other.longest);
    score += other.score;
    for (size_t r = 0; r < bestRanks.size(); ++r) bestRanks[r] += other.bestRanks[r];
}

void LeagueStats::CountCareers(const LeagueStats& from) {
    for (const auto& [length, careers] : from.careersByLength_) careersByLength_[length] += careers;
    for (int64_t length : from.careerLengths_) careersByLength_[length] += 1;
    careersInProgress_.Add(from.careersInProgress_);
    for (const CareerInProgress& career : from.inProgress_) {
        CareersInProgress one{1, career.basho, career.basho, career.score, {}};
        one.bestRanks[static_cast<size_t>(RankCode(career.best))] = 1;
        careersInProgress_.Add(one);
    }
}

void LeagueStats::Merge(const LeagueStats& other) {
    if (!summed_) {
        // This run's own careers take the counted form first.
        summed_ = true;
        CountCareers(*this);
        careerLengths_.clear();
        inProgress_.clear();
    }
    CountCareers(other);
    calls_ += other.calls_;
    clockReadings_ += other.clockReadings_;
    bashoPlayed_ += other.bashoPlayed_;
    ozekiPromotions_ += other.ozekiPromotions_;
    yokozunaPromotions_ += other.yokozunaPromotions_;
    ozekiDemotions_ += other.ozekiDemotions_;
    retirements_ += other.retirements_;
    drops_ += other.drops_;
    for (size_t i = 0; i < bestRanks_.size(); ++i) bestRanks_[i] += other.bestRanks_[i];
    for (size_t i = 0; i < championWins_.size(); ++i) championWins_[i] += other.championWins_[i];
    for (size_t i = 0; i < eSum_.size(); ++i) {
        eSum_[i] += other.eSum_[i];
        eCount_[i] += other.eCount_[i];
    }
}

// Careers ended: "length:careers" from the shortest up; careers in progress:
// how many, their basho, the best rank each had reached, their scores.
void LeagueStats::PrintCounted(std::ostream& out) const {
    int64_t careers = 0;
    int64_t sum = 0;
    for (const auto& [length, count] : careersByLength_) {
        careers += count;
        sum += length * count;
    }
    out << "careers ended: " << careers;
    if (careers > 0) {
        out << "; basho per career: mean " << Mean(sum, careers) << ", shortest "
            << careersByLength_.begin()->first << ", longest " << careersByLength_.rbegin()->first
            << "; careers by length:";
        for (const auto& [length, count] : careersByLength_) out << ' ' << length << ':' << count;
    }
    out << "\n";
    const CareersInProgress& counted = careersInProgress_;
    out << "careers in progress when their run ended: " << counted.count;
    if (counted.count > 0) {
        out << "; basho: mean " << Mean(counted.basho, counted.count) << ", longest "
            << counted.longest << "; best rank so far:";
        for (int r = 1; r <= 6; ++r)
            out << ' ' << kRankNames[r] << ' ' << counted.bestRanks[static_cast<size_t>(r)];
        out << "; score: mean " << Mean(counted.score, counted.count);
    }
    out << "\n";
}

// Every career ended, in order, and the career in progress.
void LeagueStats::PrintListed(std::ostream& out) const {
    out << "careers ended: " << careerLengths_.size();
    if (!careerLengths_.empty()) {
        const auto [shortest, longest] =
            std::minmax_element(careerLengths_.begin(), careerLengths_.end());
        const int64_t sum =
            std::accumulate(careerLengths_.begin(), careerLengths_.end(), int64_t{0});
        out << "; basho per career: mean " << Mean(sum, static_cast<int64_t>(careerLengths_.size()))
            << ", shortest " << *shortest << ", longest " << *longest << "; lengths:";
        for (int64_t n : careerLengths_) out << ' ' << n;
    }
    out << "\n";
    for (const CareerInProgress& career : inProgress_) {
        out << "career in progress: " << career.basho << " basho, best rank so far "
            << kRankNames[RankCode(career.best)] << ", score " << career.score << "\n";
    }
}

void LeagueStats::Print(std::ostream& out) const {
    out << "calls of RunBasho: " << calls_ << ", basho played: " << bashoPlayed_
        << ", clock readings: " << clockReadings_ << "\n";

    if (summed_)
        PrintCounted(out);
    else
        PrintListed(out);
    out << "player's best rank in the careers ended:";
    for (int r = 1; r <= 6; ++r)
        out << ' ' << kRankNames[r] << ' ' << bestRanks_[static_cast<size_t>(r)];
    out << "\n";

    out << "league per 100 basho:\n"
        << "  promotions to ozeki     " << PerHundred(ozekiPromotions_, bashoPlayed_) << "\n"
        << "  promotions to yokozuna  " << PerHundred(yokozunaPromotions_, bashoPlayed_) << "\n"
        << "  ozeki demotions         " << PerHundred(ozekiDemotions_, bashoPlayed_) << "\n"
        << "  retirements             " << PerHundred(retirements_, bashoPlayed_)
        << "  (yokozuna and ozeki who left)\n"
        << "  drops to juryo          " << PerHundred(drops_, bashoPlayed_)
        << "  (maegashira who left)\n";

    int64_t winSum = 0;
    for (size_t w = 0; w < championWins_.size(); ++w)
        winSum += static_cast<int64_t>(w) * championWins_[w];
    out << "champion's wins: mean " << Mean(winSum, bashoPlayed_) << ";";
    for (size_t w = 0; w < championWins_.size(); ++w)
        if (championWins_[w] > 0)
            out << ' ' << w << ':' << championWins_[w];
    out << "\n";

    out << "mean E by rank:";
    for (size_t r = 1; r <= 5; ++r)
        out << ' ' << kRankNames[r] << ' ' << Mean(eSum_[r], eCount_[r]);
    out << "\n";
}

}  // namespace kelmar::sim
