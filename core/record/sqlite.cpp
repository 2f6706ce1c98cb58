#include "record/sqlite.h"

#include <sqlite3.h>

#include <chrono>
#include <thread>
#include <utility>

namespace kelmar {

namespace {
// How long a write waits for another program that holds the store: long
// enough for a busy machine to let the other finish its transaction (a run of
// kelmar-sim holds one for up to a batch of basho).
constexpr int kBusyTimeoutMs = 2000;
}  // namespace

Database::Database(const std::string& path) {
    const int code =
        sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (code != SQLITE_OK) {
        const std::string reason = db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
        sqlite3_close(db_);
        db_ = nullptr;
        throw RecordError(reason);
    }
    // SQLite falls back to reading alone when the file cannot be written.
    if (sqlite3_db_readonly(db_, "main") == 1) {
        sqlite3_close(db_);
        db_ = nullptr;
        throw RecordError(sqlite3_errstr(SQLITE_READONLY));
    }
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
}

Database::~Database() {
    sqlite3_close_v2(db_);
}

void Database::Check(int code) const {
    if (code != SQLITE_OK && code != SQLITE_ROW && code != SQLITE_DONE)
        throw RecordError(sqlite3_errmsg(db_));
}

void Database::Execute(const char* sql) {
    char* message = nullptr;
    const int code = sqlite3_exec(db_, sql, nullptr, nullptr, &message);
    if (code != SQLITE_OK) {
        const std::string reason = message != nullptr ? message : sqlite3_errstr(code);
        sqlite3_free(message);
        throw RecordError(reason);
    }
}

void Database::ExecuteWhenFree(const char* sql) {
    using std::chrono::milliseconds;
    const auto until = std::chrono::steady_clock::now() + milliseconds(kBusyTimeoutMs);
    for (;;) {
        try {
            Execute(sql);
            return;
        } catch (const RecordError&) {
            if (sqlite3_errcode(db_) != SQLITE_BUSY || std::chrono::steady_clock::now() >= until)
                throw;
        }
        std::this_thread::sleep_for(milliseconds(5));
    }
}

Statement Database::Prepare(const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    Check(sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr));
    return Statement(*this, stmt);
}

int64_t Database::LastInsertId() const {
    return sqlite3_last_insert_rowid(db_);
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_), stmt_(std::exchange(other.stmt_, nullptr)) {}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(stmt_);
        db_ = other.db_;
        stmt_ = std::exchange(other.stmt_, nullptr);
    }
    return *this;
}

Statement& Statement::Bind(int index, int64_t value) {
    db_->Check(sqlite3_bind_int64(stmt_, index, value));
    return *this;
}

Statement& Statement::Bind(int index, std::string_view text) {
    db_->Check(sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()),
                                 SQLITE_TRANSIENT));
    return *this;
}

Statement& Statement::Bind(int index, std::optional<int64_t> value) {
    if (value)
        return Bind(index, *value);
    db_->Check(sqlite3_bind_null(stmt_, index));
    return *this;
}

bool Statement::Step() {
    const int code = sqlite3_step(stmt_);
    if (code == SQLITE_ROW)
        return true;
    if (code != SQLITE_DONE) {
        sqlite3_reset(stmt_);
        db_->Check(code);
    }
    return false;
}

void Statement::Run() {
    Step();
    Reset();
}

void Statement::Reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Statement::Columns() const {
    return sqlite3_column_count(stmt_);
}

int64_t Statement::Integer(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

std::optional<int64_t> Statement::MaybeInteger(int column) const {
    if (sqlite3_column_type(stmt_, column) == SQLITE_NULL)
        return std::nullopt;
    return Integer(column);
}

std::string Statement::Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return text != nullptr
               ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(stmt_, column)))
               : std::string();
}

}  // namespace kelmar
