#include "record/career_record.h"

#include <cstdio>

#include "record/achievements.h"
#include "state/errors.h"
#include "state/text_file.h"

namespace kelmar {

namespace {

// The schema is a contract with the players who query the store (README,
// "The career record"). A new version migrates from user_version.
constexpr const char* kSchema = R"sql(
CREATE TABLE careers(career INTEGER PRIMARY KEY, shikona TEXT, first_nengo INTEGER,
    first_month INTEGER, basho INTEGER, best_rank INTEGER, yusyo INTEGER, wins INTEGER,
    losses INTEGER, score INTEGER, retired INTEGER);
CREATE TABLE basho(career INTEGER, seq INTEGER, nengo INTEGER, month INTEGER, slot INTEGER,
    rank INTEGER, wins INTEGER, losses INTEGER, champion INTEGER, PRIMARY KEY (career, seq))
    WITHOUT ROWID;
CREATE TABLE bouts(career INTEGER, seq INTEGER, day INTEGER, opponent TEXT,
    opponent_slot INTEGER, opponent_rank INTEGER, won INTEGER, tactic INTEGER,
    opponent_tactic INTEGER, PRIMARY KEY (career, seq, day)) WITHOUT ROWID;
CREATE VIEW rivals(career, opponent, bouts, wins, losses) AS
    SELECT career, opponent, COUNT(*), SUM(won), COUNT(*) - SUM(won) FROM bouts
    GROUP BY career, opponent;
CREATE TABLE saves(fingerprint TEXT NOT NULL, career INTEGER NOT NULL, seq INTEGER NOT NULL);
CREATE INDEX saves_by_fingerprint ON saves(fingerprint);
)sql";

constexpr const char* kTotals = R"sql(
UPDATE careers SET basho = (SELECT COUNT(*) FROM basho WHERE career = ?1),
    best_rank = (SELECT MIN(rank) FROM basho WHERE career = ?1),
    yusyo = (SELECT COALESCE(SUM(champion), 0) FROM basho WHERE career = ?1),
    wins = ?2, losses = ?3, score = ?4
WHERE career = ?1)sql";

constexpr const char* kCareerColumns =
    "SELECT career, shikona, first_nengo, first_month, basho, best_rank, yusyo, wins, losses, "
    "score, retired FROM careers";

CareerSummary SummaryOf(const Statement& q) {
    CareerSummary c;
    c.career = q.Integer(0);
    c.shikona = q.Text(1);
    c.firstNengo = static_cast<int32_t>(q.Integer(2));
    c.firstMonth = static_cast<int32_t>(q.Integer(3));
    c.basho = static_cast<int32_t>(q.Integer(4));
    if (const auto best = q.MaybeInteger(5))
        c.bestRank = static_cast<int32_t>(*best);
    c.yusyo = static_cast<int32_t>(q.Integer(6));
    c.wins = static_cast<int32_t>(q.Integer(7));
    c.losses = static_cast<int32_t>(q.Integer(8));
    c.score = static_cast<int32_t>(q.Integer(9));
    c.retired = q.Integer(10) != 0;
    return c;
}

}  // namespace

std::optional<std::string> SavedGameFingerprint(const std::string& path) {
    std::string bytes;
    try {
        bytes = ReadWholeFile(path);
    } catch (const GameError&) {
        return std::nullopt;
    }
    return FingerprintOf(bytes);
}

std::string FingerprintOf(std::string_view bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (const unsigned char byte : bytes) {
        hash ^= byte;
        hash *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return std::string(text);
}

// Sets the connection up and creates the schema in a new store; the version
// of a store we can use.
int64_t SetUpStore(Database& db, StoreJournal journal) {
    // One basho is one transaction; a kill loses at most the open one.
    if (journal == StoreJournal::Wal)
        db.ExecuteWhenFree("PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL;");
    else
        // Exclusive before the first read, so that a store marked WAL is read
        // without shared memory.
        db.Execute(
            "PRAGMA locking_mode = EXCLUSIVE; PRAGMA journal_mode = MEMORY; "
            "PRAGMA synchronous = OFF;");
    Statement version = db.Prepare("PRAGMA user_version");
    version.Step();
    const int64_t found = version.Integer(0);
    version.Reset();
    if (found > kRecordSchemaVersion)
        throw RecordError("made by a newer version of the game (user_version " +
                          std::to_string(found) + ")");
    if (found == 0) {
        db.Execute("BEGIN IMMEDIATE");
        // Another program may have made the store since: the first to take
        // the write lock makes the schema, the other finds it made.
        version.Step();
        const bool made = version.Integer(0) != 0;
        version.Reset();
        if (!made) {
            db.Execute(kSchema);
            db.Execute(("PRAGMA user_version = " + std::to_string(kRecordSchemaVersion)).c_str());
        }
        db.Execute("COMMIT");
    }
    CreateAchievementsView(db);
    return kRecordSchemaVersion;
}

struct CareerRecord::Store {
    Store(const std::string& path, StoreJournal journal)
        : db(path), version(SetUpStore(db, journal)) {}

    Database db;
    // Before the statements, which need the tables.
    int64_t version;
    bool inTransaction = false;
    Statement insertCareer = db.Prepare(
        "INSERT INTO careers(shikona, first_nengo, first_month, basho, best_rank, yusyo, wins, "
        "losses, score, retired) VALUES(?, ?, ?, 0, NULL, 0, 0, 0, 0, 0)");
    Statement insertBasho = db.Prepare("INSERT INTO basho VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)");
    Statement insertBout = db.Prepare("INSERT INTO bouts VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)");
    Statement totals = db.Prepare(kTotals);
    Statement crown = db.Prepare("UPDATE basho SET champion = 1 WHERE career = ? AND seq = ?");
    Statement crownCareer = db.Prepare(
        "UPDATE careers SET yusyo = (SELECT SUM(champion) FROM basho WHERE career = ?1) "
        "WHERE career = ?1");
    Statement retire = db.Prepare("UPDATE careers SET retired = 1, score = ? WHERE career = ?");
    Statement insertSave = db.Prepare("INSERT INTO saves VALUES(?, ?, ?)");
    Statement findSave = db.Prepare(
        "SELECT career, seq FROM saves WHERE fingerprint = ? ORDER BY rowid DESC LIMIT 1");
    Statement lineOf = db.Prepare(
        "SELECT (SELECT COUNT(*) FROM basho WHERE career = ?1), "
        "(SELECT retired FROM careers WHERE career = ?1)");
};

struct CareerRecord::Running {
    BashoStart start;
    std::vector<BoutEntry> bouts;
};

CareerRecord::CareerRecord(std::string path, StoreJournal journal)
    : path_(std::move(path)), journal_(journal) {}

CareerRecord::~CareerRecord() {
    Flush();
}

void CareerRecord::Open() {
    if (failed_)
        throw RecordError("the record could not be used before");
    if (store_)
        return;
    try {
        store_ = std::make_unique<Store>(path_, journal_);
    } catch (const RecordError& error) {
        Fail(error);
        throw;
    }
}

CareerRecord::Store* CareerRecord::Ready() {
    if (failed_)
        return nullptr;
    if (!store_)
        store_ = std::make_unique<Store>(path_, journal_);
    return store_.get();
}

template <typename Body>
void CareerRecord::Guard(Body&& body) {
    if (failed_)
        return;
    try {
        body();
    } catch (const RecordError& error) {
        Fail(error);
    }
}

void CareerRecord::Fail(const RecordError& error) {
    if (store_ && store_->inTransaction) {
        try {
            store_->db.Execute("ROLLBACK");
        } catch (const RecordError&) {
            // The connection goes anyway; SQLite rolls back what it holds.
        }
    }
    store_.reset();
    const bool first = !failed_;
    failed_ = true;
    if (first && onFailure_)
        onFailure_(path_, error);
}

void CareerRecord::SetBatch(int basho) {
    batch_ = basho < 1 ? 1 : basho;
}

void CareerRecord::BeginWrite() {
    Store& store = *Ready();
    if (!store.inTransaction) {
        store.db.Execute("BEGIN IMMEDIATE");
        store.inTransaction = true;
    }
}

// A batch commits once it holds its basho; a write between basho goes with it.
void CareerRecord::EndWrite() {
    if (batch_ > 1 && pending_ < batch_)
        return;
    Commit();
}

void CareerRecord::Commit() {
    if (store_ && store_->inTransaction) {
        store_->db.Execute("COMMIT");
        store_->inTransaction = false;
    }
    pending_ = 0;
}

void CareerRecord::Flush() {
    Guard([&] { Commit(); });
}

void CareerRecord::NewGame() {
    career_ = 0;
    seq_ = 0;
    resuming_.reset();
    running_.reset();
}

void CareerRecord::Resuming(const std::string& fingerprint) {
    resuming_ = fingerprint;
    running_.reset();
}

// The save is committed at once, with the basho a batch holds: the file is
// written after it.
void CareerRecord::Saved(const std::string& fingerprint) {
    if (career_ == 0 || running_)
        return;
    Guard([&] {
        BeginWrite();
        store_->insertSave.Bind(1, fingerprint).Bind(2, career_).Bind(3, int64_t{seq_}).Run();
        Commit();
    });
}

void CareerRecord::BeginBasho(const BashoStart& start) {
    running_.reset();
    Guard([&] {
        Store& store = *Ready();
        if (resuming_)
            ResolveResume(store, start);
        // The game crowns the champion of the basho before as this one begins.
        if (start.crowned && career_ != 0 && seq_ > 0) {
            BeginWrite();
            store.crown.Bind(1, career_).Bind(2, int64_t{seq_}).Run();
            store.crownCareer.Bind(1, career_).Run();
            EndWrite();
        }
        running_ = std::make_unique<Running>(Running{start, {}});
    });
}

void CareerRecord::AddBout(const BoutEntry& bout) {
    if (running_)
        running_->bouts.push_back(bout);
}

void CareerRecord::EndBasho(const BashoEnd& end) {
    if (!running_)
        return;
    const std::unique_ptr<Running> basho = std::move(running_);
    Guard([&] {
        Store& store = *Ready();
        BeginWrite();
        const BashoStart& s = basho->start;
        int64_t career = career_;
        if (career == 0) {
            store.insertCareer.Bind(1, s.shikona)
                .Bind(2, int64_t{s.nengo})
                .Bind(3, int64_t{s.month});
            store.insertCareer.Run();
            career = store.db.LastInsertId();
        }
        const int64_t seq = seq_ + 1;
        int64_t wins = 0;
        for (const BoutEntry& b : basho->bouts) {
            wins += b.won ? 1 : 0;
            store.insertBout.Bind(1, career).Bind(2, seq).Bind(3, int64_t{b.day});
            store.insertBout.Bind(4, b.opponent).Bind(5, int64_t{b.opponentSlot});
            store.insertBout.Bind(6, int64_t{b.opponentRank}).Bind(7, int64_t{b.won ? 1 : 0});
            store.insertBout.Bind(8, int64_t{b.tactic});
            store.insertBout.Bind(
                9, b.opponentTactic ? std::optional<int64_t>(*b.opponentTactic) : std::nullopt);
            store.insertBout.Run();
        }
        const int64_t losses = static_cast<int64_t>(basho->bouts.size()) - wins;
        store.insertBasho.Bind(1, career).Bind(2, seq).Bind(3, int64_t{s.nengo});
        store.insertBasho.Bind(4, int64_t{s.month}).Bind(5, int64_t{s.slot});
        store.insertBasho.Bind(6, int64_t{s.rank}).Bind(7, wins).Bind(8, losses).Bind(9, 0);
        store.insertBasho.Run();
        UpdateTotals(store, career, end);
        ++pending_;
        EndWrite();
        career_ = career;
        seq_ = static_cast<int32_t>(seq);
    });
}

void CareerRecord::UpdateTotals(Store& store, int64_t career, const BashoEnd& totals) {
    store.totals.Bind(1, career).Bind(2, int64_t{totals.careerWins});
    store.totals.Bind(3, int64_t{totals.careerLosses}).Bind(4, int64_t{totals.score});
    store.totals.Run();
}

void CareerRecord::Retire(int32_t score) {
    running_.reset();
    if (career_ != 0) {
        Guard([&] {
            Store& store = *Ready();
            BeginWrite();
            store.retire.Bind(1, int64_t{score}).Bind(2, career_).Run();
            EndWrite();
            lastRetired_ = career_;
        });
    }
    career_ = 0;
    seq_ = 0;
}

// A saved game this store has seen continues the line it was saved from, as
// long as nothing was played past the save; otherwise the rows up to the save
// are copied into a new career and the line played past it is left behind.
// A saved game it has not seen starts a new career.
void CareerRecord::ResolveResume(Store& store, const BashoStart& start) {
    const std::string fingerprint = *resuming_;
    resuming_.reset();
    career_ = 0;
    seq_ = 0;
    store.findSave.Bind(1, fingerprint);
    const bool found = store.findSave.Step();
    const int64_t from = found ? store.findSave.Integer(0) : 0;
    const int64_t upTo = found ? store.findSave.Integer(1) : 0;
    store.findSave.Reset();
    if (!found)
        return;
    store.lineOf.Bind(1, from);
    store.lineOf.Step();
    const int64_t played = store.lineOf.Integer(0);
    const bool retired = store.lineOf.Integer(1) != 0;
    store.lineOf.Reset();
    if (played == 0)
        return;
    if (!retired && played <= upTo) {
        career_ = from;
        seq_ = static_cast<int32_t>(played);
        return;
    }
    seq_ = static_cast<int32_t>(upTo < played ? upTo : played);
    career_ = CopyCareer(store, from, seq_, start, fingerprint);
}

// The save is kept as one of the copy, in the copy's transaction: resumed
// again (after a crash in the basho that follows, say), it finds the copy
// with nothing played past the save and continues it instead of copying again.
int64_t CareerRecord::CopyCareer(Store& store, int64_t from, int32_t upTo, const BashoStart& start,
                                 const std::string& fingerprint) {
    BeginWrite();
    Statement career = store.db.Prepare(
        "INSERT INTO careers(shikona, first_nengo, first_month, basho, best_rank, yusyo, wins, "
        "losses, score, retired) SELECT shikona, first_nengo, first_month, 0, NULL, 0, 0, 0, 0, 0 "
        "FROM careers WHERE career = ?");
    career.Bind(1, from).Run();
    const int64_t copy = store.db.LastInsertId();
    Statement basho = store.db.Prepare(
        "INSERT INTO basho SELECT ?1, seq, nengo, month, slot, rank, wins, losses, champion "
        "FROM basho WHERE career = ?2 AND seq <= ?3");
    basho.Bind(1, copy).Bind(2, from).Bind(3, int64_t{upTo}).Run();
    Statement bouts = store.db.Prepare(
        "INSERT INTO bouts SELECT ?1, seq, day, opponent, opponent_slot, opponent_rank, won, "
        "tactic, opponent_tactic FROM bouts WHERE career = ?2 AND seq <= ?3");
    bouts.Bind(1, copy).Bind(2, from).Bind(3, int64_t{upTo}).Run();
    UpdateTotals(store, copy, BashoEnd{start.careerWins, start.careerLosses, start.score});
    store.insertSave.Bind(1, fingerprint).Bind(2, copy).Bind(3, int64_t{upTo}).Run();
    EndWrite();
    return copy;
}

std::optional<int64_t> CareerRecord::CurrentOrLastCareer() {
    if (career_ != 0)
        return career_;
    std::optional<int64_t> last;
    Guard([&] {
        Statement q = Ready()->db.Prepare("SELECT MAX(career) FROM careers");
        if (q.Step())
            last = q.MaybeInteger(0);
    });
    return last;
}

std::vector<CareerSummary> CareerRecord::Careers() {
    std::vector<CareerSummary> careers;
    Guard([&] {
        Statement q =
            Ready()->db.Prepare((std::string(kCareerColumns) + " ORDER BY career").c_str());
        while (q.Step()) careers.push_back(SummaryOf(q));
    });
    return careers;
}

std::optional<CareerSummary> CareerRecord::Career(int64_t career) {
    std::optional<CareerSummary> found;
    Guard([&] {
        Statement q =
            Ready()->db.Prepare((std::string(kCareerColumns) + " WHERE career = ?").c_str());
        q.Bind(1, career);
        if (q.Step())
            found = SummaryOf(q);
    });
    return found;
}

std::vector<BashoRow> CareerRecord::BashoOf(int64_t career) {
    std::vector<BashoRow> rows;
    Guard([&] {
        Statement q = Ready()->db.Prepare(
            "SELECT seq, nengo, month, slot, rank, wins, losses, champion FROM basho "
            "WHERE career = ? ORDER BY seq");
        q.Bind(1, career);
        while (q.Step()) {
            BashoRow r;
            int32_t* fields[] = {&r.seq, &r.nengo, &r.month, &r.slot, &r.rank, &r.wins, &r.losses};
            for (int i = 0; i < 7; ++i) *fields[i] = static_cast<int32_t>(q.Integer(i));
            r.champion = q.Integer(7) != 0;
            rows.push_back(r);
        }
    });
    return rows;
}

std::vector<RivalRow> CareerRecord::RivalsOf(int64_t career) {
    std::vector<RivalRow> rows;
    Guard([&] {
        Statement q = Ready()->db.Prepare(
            "SELECT opponent, bouts, wins, losses FROM rivals WHERE career = ? "
            "ORDER BY bouts DESC, opponent");
        q.Bind(1, career);
        while (q.Step())
            rows.push_back(RivalRow{q.Text(0), static_cast<int32_t>(q.Integer(1)),
                                    static_cast<int32_t>(q.Integer(2)),
                                    static_cast<int32_t>(q.Integer(3))});
    });
    return rows;
}

std::vector<EarnedAchievement> CareerRecord::AchievementsOf(int64_t career) {
    std::vector<EarnedAchievement> found;
    Guard([&] { found = ReadAchievementsOf(Ready()->db, career); });
    return found;
}

std::vector<AchievementTally> CareerRecord::AchievementTallies() {
    std::vector<AchievementTally> tallies;
    Guard([&] { tallies = ReadAchievementTallies(Ready()->db); });
    return tallies;
}

}  // namespace kelmar
