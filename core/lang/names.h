// The shikona as a face shows them in its language, and the stored texts that
// join several of them taken apart again.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lang/language.h"
#include "state/game_state.h"

namespace kelmar {

// A display name (Shift-JIS) as `language` shows it, UTF-8: in Japanese the
// name itself; in any other its reading in romaji, or the name as it is when
// the game folder's table lacks it.
std::string ShownName(Language language, std::string_view displayName);

// The display names of the league as it stands: the makuuchi by slot, then
// the juryo. Every name the game has joined into a stored text is among
// them, since nobody leaves the league: a retired or demoted rikishi goes to
// the juryo list.
std::vector<std::string> KnownNames(const GameState& state);

// A stored text that joins display names (Ysyoshin and Osyoshin one after
// the other, Intai and the juryo drops each after "、") taken apart by the
// known names, the longest that fits first. A text that known names do not
// make up is split at its "、" only, and its pieces are kept as they are.
std::vector<std::string> SplitJoinedNames(std::string_view joined,
                                          std::span<const std::string> known);

// Names (UTF-8) listed as `language` lists them: "A and B", "A, B and C";
// 、 between every two in Japanese.
std::string ListOfNames(Language language, std::span<const std::string> names);

}  // namespace kelmar
