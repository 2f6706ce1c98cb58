// The readings of the shikona in romaji, for the faces that do not show
// Japanese: "romaji.txt" in the game folder, UTF-8, one line a name,
// "<display name><TAB><reading>" (plain ASCII Hepburn). It lies beside the
// game's data files, which do not change; a name it lacks (one typed into a
// hand-made roster) is shown as it is.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelmar {

inline constexpr const char* kRomajiFile = "romaji.txt";

class RomajiTable {
  public:
    // The lines of a UTF-8 text, ended by LF or CR LF. A line without a tab,
    // or empty on either side of it, is passed over; of two lines for one
    // name the first counts.
    static RomajiTable Parse(std::string_view utf8);
    // The file's table, or an empty one when it cannot be read.
    static RomajiTable Read(const std::string& path);

    // The reading of a display name in the game's Shift-JIS.
    std::optional<std::string_view> Of(std::string_view displayName) const;
    size_t size() const { return entries_.size(); }

  private:
    std::vector<std::pair<std::string, std::string>> entries_;  // by Shift-JIS name
};

// The table of the game folder, read when it is first needed.
const RomajiTable& GameRomaji();
std::optional<std::string> RomajiOf(std::string_view displayName);

}  // namespace kelmar
