// Runs a piece of code in a child process where writes fail for real even
// when the tests run as root: its files may not grow beyond a limit, or the
// game folder is read-only to it.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace kelmar::testing {

// The message of the GameError the body raised in the child, or "no error"
// when it raised none (or "crashed" when the child did not exit normally).
std::string GameErrorUnderSizeLimit(size_t limitBytes, const std::function<void()>& body);

// The folder is made read-only (and made writable again afterwards); the body
// runs in a child that cannot write into it: one that runs as root first gives
// root up, since root writes through any mode. Returns what the body returned,
// "crashed" when the child did not exit normally, or the reason the folder
// could not be made read-only.
std::string InReadOnlyFolder(const std::string& folder, const std::function<std::string()>& body);

}  // namespace kelmar::testing
