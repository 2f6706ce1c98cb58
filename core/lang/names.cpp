#include "lang/names.h"

#include <optional>

#include "lang/catalogue.h"
#include "lang/romaji.h"
#include "state/encoding.h"
#include "state/strings.h"

namespace kelmar {
namespace {

constexpr Wording kListed = wd<"{first}、{next}", "a list of names">;
constexpr Wording kLastTwoListed = wd<"{first}、{next}", "a list of names, the last two">;
constexpr std::string_view kComma = sj<"、">;

bool IsShiftJisLead(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// The names that make up joined[at..], or nullopt; `known` tried longest
// first at every place, with a "、" skipped before a name.
std::optional<std::vector<std::string>> SplitFrom(std::string_view joined, size_t at,
                                                  std::span<const std::string> known,
                                                  std::vector<char>& dead) {
    if (at == joined.size())
        return std::vector<std::string>();
    if (dead[at])
        return std::nullopt;
    if (joined.substr(at, kComma.size()) == kComma)
        if (auto rest = SplitFrom(joined, at + kComma.size(), known, dead))
            return rest;
    const std::string* best = nullptr;
    std::optional<std::vector<std::string>> bestRest;
    for (const std::string& name : known) {
        if (name.empty() || (best != nullptr && name.size() <= best->size()) ||
            joined.substr(at, name.size()) != name)
            continue;
        if (auto rest = SplitFrom(joined, at + name.size(), known, dead)) {
            best = &name;
            bestRest = std::move(rest);
        }
    }
    if (best == nullptr) {
        dead[at] = 1;
        return std::nullopt;
    }
    bestRest->insert(bestRest->begin(), *best);
    return bestRest;
}

std::vector<std::string> SplitAtCommas(std::string_view joined) {
    std::vector<std::string> names;
    std::string name;
    for (size_t i = 0; i < joined.size();) {
        if (joined.substr(i, kComma.size()) == kComma) {
            if (!name.empty())
                names.push_back(std::move(name));
            name.clear();
            i += kComma.size();
            continue;
        }
        const size_t step = IsShiftJisLead(static_cast<unsigned char>(joined[i])) ? 2 : 1;
        name.append(joined.substr(i, step));
        i += step;
    }
    if (!name.empty())
        names.push_back(std::move(name));
    return names;
}

}  // namespace

std::string ShownName(Language language, std::string_view displayName) {
    if (language != Language::Japanese)
        if (const std::optional<std::string_view> reading = GameRomaji().Of(displayName))
            return std::string(*reading);
    return ShiftJisToUtf8(displayName);
}

std::vector<std::string> KnownNames(const GameState& state) {
    std::vector<std::string> names;
    names.reserve(kSlots + kJuryo);
    for (int slot = 1; slot <= kSlots; ++slot) names.push_back(DisplayName(state.NameOfWres[slot]));
    for (int k = 1; k <= kJuryo; ++k) names.push_back(DisplayName(state.Juryo[k]));
    return names;
}

std::vector<std::string> SplitJoinedNames(std::string_view joined,
                                          std::span<const std::string> known) {
    std::vector<char> dead(joined.size() + 1, 0);
    if (std::optional<std::vector<std::string>> names = SplitFrom(joined, 0, known, dead))
        return std::move(*names);
    return SplitAtCommas(joined);
}

std::string ListOfNames(Language language, std::span<const std::string> names) {
    if (names.empty())
        return "";
    std::string list = names[0];
    for (size_t i = 1; i < names.size(); ++i) {
        const Wording& joiner = i + 1 == names.size() ? kLastTwoListed : kListed;
        list = Format(language, joiner, {{"first", list}, {"next", names[i]}});
    }
    return list;
}

}  // namespace kelmar
