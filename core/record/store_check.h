// Whether a file can be taken as the career record in place of the one the
// game keeps: the check a face makes before a store the player brings
// replaces its own. The store is read, never written.
#pragma once

#include <optional>
#include <string>

namespace kelmar {

// Why the file at `path` cannot be the career record, as the game's message
// (Shift-JIS), or nullopt when it can: an SQLite database that passes
// `PRAGMA integrity_check`, whose user_version is one this game takes up and
// whose tables hold the record's columns.
std::optional<std::string> StoreRefusal(const std::string& path);

}  // namespace kelmar
