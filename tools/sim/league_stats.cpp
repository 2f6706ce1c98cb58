#include "tools/sim/league_stats.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

#include "state/roster.h"
#include "state/saved_game.h"

namespace kelmar::sim {

namespace {

constexpr const char* kRankNames[] = {"",         "yokozuna",   "ozeki", "sekiwake",
                                      "komusubi", "maegashira", "none"};

// The rank code "1".."6" as an index, 0 for anything else.
int RankIndex(const std::string& code) {
    return code.size() == 1 && code[0] >= '1' && code[0] <= '6' ? code[0] - '0' : 0;
}

// The computer rikishi of slots 1..last, and the player's best rank as the
// next assessment will find it.
LeagueSnapshot Snapshot(const GameState& s, int last) {
    LeagueSnapshot snapshot;
    for (int i = 1; i <= last; ++i) {
        if (s.IsPlayerSlot(i))
            snapshot.playerBest = std::min(s.Saiko[i], s.Stage[i]);
        else
            snapshot.computers[s.NameOfWres[i]] = {s.Stage[i], s.Zaii[i]};
    }
    return snapshot;
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

LeagueSnapshot SnapshotBeforeCall(const LeagueRun& run) {
    switch (run.nextStart()) {
        case LeagueRun::Start::Next:
            return Snapshot(run.state(), kSlots);
        case LeagueRun::Start::Resume: {
            // The league as the load will read it from the saved game.
            GameState league = run.state();
            ScriptedPlayer reader(league, 1);
            ReadSavedGame(league, reader);
            return Snapshot(league, kSlots);
        }
        case LeagueRun::Start::NewCareer:
            break;
    }
    // The confirm of a new career reads slots 1..31 from the roster file; the
    // player enters in slot 32.
    GameState league = run.state();
    LoadRoster(league);
    LeagueSnapshot snapshot = Snapshot(league, kRosterSlots);
    snapshot.playerBest = "5";
    return snapshot;
}

void LeagueStats::Add(const LeagueSnapshot& before, const LeagueRun& after) {
    if (after.retired()) {
        careerLengths_.push_back(currentCareer_);
        bestRanks_[static_cast<size_t>(RankIndex(before.playerBest))] += 1;
        currentCareer_ = 0;
        currentBest_ = "6";
        return;
    }
    ++currentCareer_;
    AddBasho(before, after.state());
}

void LeagueStats::AddBasho(const LeagueSnapshot& before, const GameState& s) {
    ++bashoPlayed_;
    int32_t championWins = 0;
    for (int i = 1; i <= kSlots; ++i) {
        championWins = std::max(championWins, s.W[i]);
        const int rank = RankIndex(s.Stage[i]);
        if (rank >= 1 && rank <= 5) {
            eSum_[static_cast<size_t>(rank)] += s.E[i];
            eCount_[static_cast<size_t>(rank)] += 1;
        }
        if (s.IsPlayerSlot(i)) {
            currentBest_ = std::min(currentBest_, s.Saiko[i]);
            continue;
        }
        const auto old = before.computers.find(s.NameOfWres[i]);
        // A rikishi who stayed has served one basho more; a newcomer has one
        // basho, even when his name came back from juryo in the same draw.
        if (old == before.computers.end() || old->second.zaii + 1 != s.Zaii[i])
            continue;
        const std::string& was = old->second.stage;
        if (was != "1" && s.Stage[i] == "1")
            ++yokozunaPromotions_;
        if (was != "1" && was != "2" && s.Stage[i] == "2")
            ++ozekiPromotions_;
        if (was == "2" && s.Stage[i] != "1" && s.Stage[i] != "2")
            ++ozekiDemotions_;
    }
    championWins_[static_cast<size_t>(std::clamp(championWins, 0, 15))] += 1;

    // Whoever is not found again as a stayer has left the league.
    std::unordered_map<std::string, int32_t> stayers;
    for (int i = 1; i <= kSlots; ++i) stayers[s.NameOfWres[i]] = s.Zaii[i];
    for (const auto& [name, record] : before.computers) {
        const auto now = stayers.find(name);
        if (now != stayers.end() && now->second == record.zaii + 1)
            continue;
        if (record.stage == "5")
            ++drops_;
        else
            ++retirements_;
    }
}

void LeagueStats::EndRun(const LeagueRun& run, std::optional<int64_t> runNumber) {
    calls_ += run.calls();
    clockReadings_ += run.clock().readings();
    if (currentCareer_ > 0)
        inProgress_.push_back({runNumber, currentCareer_, currentBest_, run.state().MyP});
    currentCareer_ = 0;
    currentBest_ = "6";
}

void LeagueStats::Merge(const LeagueStats& other) {
    calls_ += other.calls_;
    clockReadings_ += other.clockReadings_;
    inProgress_.insert(inProgress_.end(), other.inProgress_.begin(), other.inProgress_.end());
    bashoPlayed_ += other.bashoPlayed_;
    careerLengths_.insert(careerLengths_.end(), other.careerLengths_.begin(),
                          other.careerLengths_.end());
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

void LeagueStats::Print(std::ostream& out) const {
    out << "calls of RunBasho: " << calls_ << ", basho played: " << bashoPlayed_
        << ", clock readings: " << clockReadings_ << "\n";

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
        if (career.run)
            out << "run " << *career.run << ": ";
        out << "career in progress: " << career.basho << " basho, best rank so far "
            << kRankNames[RankIndex(career.best)] << ", score " << career.score << "\n";
    }
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
