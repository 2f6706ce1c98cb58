#include "lang/romaji.h"

#include <algorithm>

#include "state/encoding.h"
#include "state/errors.h"
#include "state/text_file.h"

namespace kelmar {

RomajiTable RomajiTable::Parse(std::string_view utf8) {
    RomajiTable table;
    for (size_t start = 0; start < utf8.size();) {
        size_t end = utf8.find('\n', start);
        if (end == std::string_view::npos)
            end = utf8.size();
        std::string_view line = utf8.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const size_t tab = line.find('\t');
        if (tab == std::string_view::npos || tab == 0 || tab + 1 == line.size())
            continue;
        table.entries_.emplace_back(Utf8ToShiftJis(line.substr(0, tab)),
                                    std::string(line.substr(tab + 1)));
    }
    // Sorted for the look-up; the first of two lines for one name stays first.
    std::stable_sort(table.entries_.begin(), table.entries_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    return table;
}

RomajiTable RomajiTable::Read(const std::string& path) {
    try {
        return Parse(ReadWholeFile(path));
    } catch (const GameError&) {
        return RomajiTable();
    }
}

std::optional<std::string_view> RomajiTable::Of(std::string_view displayName) const {
    const auto found = std::lower_bound(entries_.begin(), entries_.end(), displayName,
                                        [](const std::pair<std::string, std::string>& e,
                                           std::string_view n) { return e.first < n; });
    if (found == entries_.end() || found->first != displayName)
        return std::nullopt;
    return found->second;
}

const RomajiTable& GameRomaji() {
    static const RomajiTable table = RomajiTable::Read(GameFolderPath(kRomajiFile));
    return table;
}

std::optional<std::string> RomajiOf(std::string_view displayName) {
    if (const std::optional<std::string_view> reading = GameRomaji().Of(displayName))
        return std::string(*reading);
    return std::nullopt;
}

}  // namespace kelmar
