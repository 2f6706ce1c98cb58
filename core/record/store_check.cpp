#include "record/store_check.h"

#include <fstream>

#include "record/career_record.h"
#include "record/sqlite.h"
#include "state/encoding.h"
#include "state/shift_jis_literal.h"

namespace kelmar {

namespace {

// Each table of the record with the columns the game reads and writes.
constexpr const char* kTables[] = {
    "SELECT career, shikona, first_nengo, first_month, basho, best_rank, yusyo, wins, losses, "
    "score, retired FROM careers LIMIT 0",
    "SELECT career, seq, nengo, month, slot, rank, wins, losses, champion FROM basho LIMIT 0",
    "SELECT career, seq, day, opponent, opponent_slot, opponent_rank, won, tactic, "
    "opponent_tactic FROM bouts LIMIT 0",
    "SELECT fingerprint, career, seq FROM saves LIMIT 0",
};

bool BeginsAsSqlite(const std::string& path) {
    static constexpr char kHeader[] = "SQLite format 3";  // and its terminating zero
    char head[sizeof kHeader] = {};
    std::ifstream file(path, std::ios::binary);
    file.read(head, sizeof head);
    return file.gcount() == sizeof head &&
           std::string_view(head, sizeof head) == std::string_view(kHeader, sizeof kHeader);
}

std::string Because(std::string_view refusal, const std::string& reason) {
    return std::string(refusal) + Utf8ToShiftJis(reason);
}

}  // namespace

std::optional<std::string> StoreRefusal(const std::string& path) {
    if (!BeginsAsSqlite(path))
        return std::string(sj<"ケルマーの記録ではありません（SQLite のファイルではありません）。">);
    try {
        Database db(path);
        // A store marked WAL is read without the shared memory of WAL.
        db.Execute("PRAGMA locking_mode = EXCLUSIVE");
        Statement check = db.Prepare("PRAGMA integrity_check");
        const bool intact = check.Step() && check.Text(0) == "ok";
        const std::string first = intact ? std::string() : check.Text(0);
        check.Reset();
        if (!intact)
            return Because(sj<"記録のファイルが壊れています: ">, first);
        Statement version = db.Prepare("PRAGMA user_version");
        version.Step();
        const int64_t found = version.Integer(0);
        version.Reset();
        if (found > kRecordSchemaVersion)
            return std::string(sj<"新しい版のケルマーの記録です。この版では読み込めません。">);
        if (found < 1)
            return std::string(sj<"ケルマーの記録ではありません（記録の版がありません）。">);
        for (const char* table : kTables) db.Prepare(table);
    } catch (const RecordError& error) {
        return Because(sj<"ケルマーの記録として読めません: ">, error.what());
    }
    return std::nullopt;
}

}  // namespace kelmar
