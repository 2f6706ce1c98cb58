// The career record "Kelmar.db": every basho and every bout of the player's
// rikishi, kept beside the game in SQLite. The game's own files never change
// for it. The record is fed plain data at the moments of the game (a basho
// begins, a bout is fought, the basho ends, the career ends, the game is saved
// or resumed) and writes each basho in one transaction when it ends.
//
// A store that cannot be opened or written never stops the game: the first
// failure goes to the failure handler, and from then on the record keeps
// nothing. Its texts are UTF-8.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/achievements.h"
#include "record/sqlite.h"

namespace kelmar {

// A basho begins: the banzuke is rewritten and the champion of the last one
// crowned.
struct BashoStart {
    int32_t nengo = 0;
    int32_t month = 0;  // 2 x Basyo6 + 1
    int32_t slot = 0;
    int32_t rank = 0;      // 1 yokozuna .. 5 maegashira
    std::string shikona;   // display name
    bool crowned = false;  // the player is the champion of the basho before
    // The career as it stands before the basho (kept in a copied line).
    int32_t careerWins = 0;
    int32_t careerLosses = 0;
    int32_t score = 0;
};

// The player's bout of one day.
struct BoutEntry {
    int32_t day = 0;
    std::string opponent;  // display name
    int32_t opponentSlot = 0;
    int32_t opponentRank = 0;
    bool won = false;
    int32_t tactic = 0;                     // SelectedTactic as the bout used it
    std::optional<int32_t> opponentTactic;  // unknown when the game does not tell
};

// The basho ends: his career totals and score after it.
struct BashoEnd {
    int32_t careerWins = 0;
    int32_t careerLosses = 0;
    int32_t score = 0;
};

// What the windows read.
struct CareerSummary {
    int64_t career = 0;
    std::string shikona;
    int32_t firstNengo = 0;
    int32_t firstMonth = 0;
    int32_t basho = 0;
    std::optional<int32_t> bestRank;
    int32_t yusyo = 0;
    int32_t wins = 0;
    int32_t losses = 0;
    int32_t score = 0;
    bool retired = false;
};

struct BashoRow {
    int32_t seq = 0;
    int32_t nengo = 0;
    int32_t month = 0;
    int32_t slot = 0;
    int32_t rank = 0;
    int32_t wins = 0;
    int32_t losses = 0;
    bool champion = false;
};

struct RivalRow {
    std::string opponent;
    int32_t bouts = 0;
    int32_t wins = 0;
    int32_t losses = 0;
};

// The hash by which the record knows a saved game it has seen: FNV-1a over
// the bytes of "Kelmar.ini", in hexadecimal; nullopt when it cannot be read.
std::optional<std::string> SavedGameFingerprint(const std::string& path);
// The same over the bytes of a save not yet written.
std::string FingerprintOf(std::string_view bytes);

// The schema's version in the store's user_version: a store of a higher one
// comes from a newer game and is refused.
inline constexpr int kRecordSchemaVersion = 1;

// How the store keeps its journal. Wal: beside a file that another program
// may read while the game writes it (kelmar-sim, a player's queries).
// Exclusive: one connection holds the file alone, with its rollback journal in
// memory, for a file system without the shared memory that WAL needs; a store
// marked WAL is taken up and marked for the rollback journal. Its durability
// is the caller's, who keeps the file's bytes after each write.
enum class StoreJournal { Wal, Exclusive };

class CareerRecord {
  public:
    using FailureHandler = std::function<void(const std::string& path, const RecordError&)>;

    // Nothing is opened before the first use.
    explicit CareerRecord(std::string path, StoreJournal journal = StoreJournal::Wal);
    ~CareerRecord();
    CareerRecord(const CareerRecord&) = delete;
    CareerRecord& operator=(const CareerRecord&) = delete;

    const std::string& path() const { return path_; }
    void SetFailureHandler(FailureHandler handler) { onFailure_ = std::move(handler); }
    // Opens (and creates) the store now; raises RecordError when it cannot,
    // after which the record keeps nothing. For callers that must know at once.
    void Open();
    bool failed() const { return failed_; }
    // Keeps up to `basho` basho in one transaction (at least 1). A run that is
    // killed loses those basho; it never leaves half of one. The store stays
    // as durable as with single basho (WAL, synchronous NORMAL).
    void SetBatch(int basho);
    // Commits what a batch holds.
    void Flush();

    // The moments of the game. None of them raises.
    void NewGame();  // the running career is abandoned
    void Resuming(const std::string& fingerprint);
    // A save is about to be written: told before the file is, and committed
    // at once, so that a game killed at any moment of the save resumes its
    // career (SaveGameAndRecord does both in this order).
    void Saved(const std::string& fingerprint);
    void BeginBasho(const BashoStart& start);
    void AddBout(const BoutEntry& bout);
    void EndBasho(const BashoEnd& end);
    void Retire(int32_t score);

    // The running career, or else the last one of the store.
    std::optional<int64_t> CurrentOrLastCareer();
    // The career whose retirement was written last in this run.
    std::optional<int64_t> LastRetired() const { return lastRetired_; }
    std::vector<CareerSummary> Careers();
    std::optional<CareerSummary> Career(int64_t career);
    std::vector<BashoRow> BashoOf(int64_t career);
    std::vector<RivalRow> RivalsOf(int64_t career);
    // The achievements view (record/achievements.h): one career's, and every
    // kind's tally over the store.
    std::vector<EarnedAchievement> AchievementsOf(int64_t career);
    std::vector<AchievementTally> AchievementTallies();

  private:
    struct Store;
    struct Running;

    Store* Ready();
    template <typename Body>
    void Guard(Body&& body);
    void Fail(const RecordError& error);
    void BeginWrite();
    void EndWrite();
    void Commit();
    void ResolveResume(Store& store, const BashoStart& start);
    int64_t CopyCareer(Store& store, int64_t from, int32_t upTo, const BashoStart& start,
                       const std::string& fingerprint);
    void UpdateTotals(Store& store, int64_t career, const BashoEnd& totals);

    std::string path_;
    StoreJournal journal_;
    FailureHandler onFailure_;
    std::unique_ptr<Store> store_;
    bool failed_ = false;
    int batch_ = 1;
    int pending_ = 0;  // basho written in the open transaction

    // The career that runs: its row (0 until its first basho is written),
    // the basho it has written, and the basho in progress.
    int64_t career_ = 0;
    int32_t seq_ = 0;
    std::optional<std::string> resuming_;
    std::unique_ptr<Running> running_;
    std::optional<int64_t> lastRetired_;
};

}  // namespace kelmar
