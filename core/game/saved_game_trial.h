// A saved game tried before it is taken: a file the player brings in (the
// page's import) must not replace a good save unless the game can play it.
#pragma once

#include <optional>
#include <string>

namespace kelmar {

// Resumes the saved game "Kelmar.ini" of `folder` (which holds the game's data
// files too) on a scratch state, headless, up to the first bout of its basho
// decided, and returns the game's error on the way (its text, Shift-JIS), or
// nullopt when it plays. Nothing is written, the running game is untouched,
// and the process's folder is the same afterwards.
std::optional<std::string> SavedGameRefusal(const std::string& folder);

}  // namespace kelmar
