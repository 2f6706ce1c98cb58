// A thin wrapper of ours over SQLite's C API: a connection and a prepared
// statement that close themselves, and one error carrying SQLite's reason.
// The career record is its only user.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace kelmar {

// The store could not be opened, read or written. The message is SQLite's
// (or ours) in English; the file is named by the caller that reports it.
class RecordError : public std::runtime_error {
  public:
    explicit RecordError(const std::string& reason) : std::runtime_error(reason) {}
};

class Statement;

class Database {
  public:
    // Opens or creates the file for reading and writing. A file that can only
    // be read is refused: the record has to be written.
    explicit Database(const std::string& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs one or more statements without results.
    void Execute(const char* sql);
    // The same, tried again while SQLite answers "busy" without waiting, as
    // it does when another program turns a new store to WAL at that moment;
    // for as long as a write waits for another program.
    void ExecuteWhenFree(const char* sql);
    Statement Prepare(const char* sql);
    int64_t LastInsertId() const;

    // Raises RecordError with SQLite's message when `code` is a failure.
    void Check(int code) const;

  private:
    sqlite3* db_ = nullptr;
};

// A prepared statement, reset after every run so that it can be used again.
class Statement {
  public:
    Statement(Database& db, sqlite3_stmt* stmt) : db_(&db), stmt_(stmt) {}
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Parameters are numbered from 1, as in SQL.
    Statement& Bind(int index, int64_t value);
    Statement& Bind(int index, std::string_view text);
    Statement& Bind(int index, std::optional<int64_t> value);

    // Steps once: true while a row is there to read.
    bool Step();
    // Runs a statement without results to its end and resets it.
    void Run();
    void Reset();

    int Columns() const;
    int64_t Integer(int column) const;
    std::optional<int64_t> MaybeInteger(int column) const;
    std::string Text(int column) const;

  private:
    Database* db_;
    sqlite3_stmt* stmt_;
};

}  // namespace kelmar
