#include "lang/ranks.h"

#include <array>

#include "lang/catalogue.h"
#include "lang/names.h"
#include "state/encoding.h"
#include "state/rank.h"
#include "state/strings.h"

namespace kelmar {
namespace {

// By rank code, yokozuna first: the words of state/rank.h.
constexpr std::array<Wording, 5> kFullNames = {
    wd<"横綱", "rank">, wd<"大関", "rank">, wd<"関脇", "rank">,
    wd<"小結", "rank">, wd<"前頭", "rank">,
};
constexpr std::array<Wording, 5> kShortNames = {
    wd<"横綱", "rank, short">, wd<"大関", "rank, short">, wd<"関脇", "rank, short">,
    wd<"小結", "rank, short">, wd<"前頭", "rank, short">,
};
constexpr Wording kNumbered = wd<"前頭{number}", "rank, short, numbered">;
// Where the word and the name are joined.
constexpr Wording kBoutLabel = wd<"{rank}{name}">;

int64_t CodeOfWord(std::string_view word) {
    for (int64_t code = kYokozuna; code <= kMaegashira; ++code)
        if (RankWord(code) == word)
            return code;
    return 0;
}

}  // namespace

std::string RankName(Language language, int64_t code, RankForm form, int maegashiraNumber) {
    if (RankWord(code).empty())
        return "";
    const auto index = static_cast<size_t>(code - kYokozuna);
    if (form == RankForm::Full)
        return Translate(language, kFullNames[index]);
    if (code == kMaegashira && maegashiraNumber > 0)
        return Format(language, kNumbered, {{"number", IntToStr(maegashiraNumber)}});
    return Translate(language, kShortNames[index]);
}

std::string BoutLabelIn(Language language, const BoutSide& side, RankForm form) {
    if (language == Language::Japanese)
        return ShiftJisToUtf8(side.Label());
    const int64_t code = CodeOfWord(side.rank);
    const std::string rank = code != 0 ? RankName(language, code, form) : ShiftJisToUtf8(side.rank);
    const std::string name = ShownName(language, side.name);
    return rank.empty() ? name : Format(language, kBoutLabel, {{"rank", rank}, {"name", name}});
}

}  // namespace kelmar
