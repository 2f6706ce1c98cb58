// Runs a piece of code in a child process whose files may not grow beyond a
// limit, so that a write fails for real even when the tests run as root.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace kelmar::testing {

// The message of the GameError the body raised in the child, or "no error"
// when it raised none (or "crashed" when the child did not exit normally).
std::string GameErrorUnderSizeLimit(size_t limitBytes, const std::function<void()>& body);

}  // namespace kelmar::testing
