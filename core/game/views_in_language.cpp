#include "game/views_in_language.h"

#include <optional>

#include "basho/report_wordings.h"
#include "lang/catalogue.h"
#include "lang/names.h"
#include "state/encoding.h"

namespace kelmar {
namespace {

// The wordings game.cpp composes these views with.
constexpr Wording kPickName = wd<"しこな：{name}">;
constexpr Wording kTopTenScore = wd<"{score} てん">;

// A text composed from a wording of one placeholder, worded in `language`
// with its piece as `shown` shows it; a text of no such wording translated
// whole, or shown as it is.
template <typename Shown>
std::string Reworded(Language language, const Wording& wording, std::string_view text,
                     const std::string_view name, Shown shown) {
    if (language == Language::Japanese)
        return ShiftJisToUtf8(text);
    if (const std::optional<std::string_view> piece = PieceIn(wording.japanese, text))
        return Format(language, wording, {{name, shown(*piece)}});
    return Translate(language, ShiftJisToUtf8(text));
}

std::string AsItIs(std::string_view text) {
    return ShiftJisToUtf8(text);
}

}  // namespace

MainViewTexts MainViewTextsIn(Language language, const MainView& view) {
    MainViewTexts texts;
    texts.confirmCaption = Translate(language, ShiftJisToUtf8(view.confirmCaption));
    texts.stopCaption = Translate(language, ShiftJisToUtf8(view.stopCaption));
    texts.score = Reworded(language, kScoreCaption, view.score, "score", AsItIs);
    return texts;
}

std::string PickNameIn(Language language, const PickView& pick) {
    // The blank panel shows the label without a name.
    if (pick.name == FrameOf(kPickName.japanese)->before)
        return Format(language, kPickName, {{"name", ""}});
    return Reworded(language, kPickName, pick.name, "name",
                    [language](std::string_view name) { return ShownName(language, name); });
}

TopTenView TopTenViewIn(Language language, const TopTenView& view) {
    TopTenView texts;
    for (size_t r = 0; r < view.names.size(); ++r) {
        texts.names[r] = ShiftJisToUtf8(view.names[r]);
        texts.scores[r] = Reworded(language, kTopTenScore, view.scores[r], "score", AsItIs);
    }
    return texts;
}

std::string ChartTitlesIn(Language language) {
    return Translate(language, ShiftJisToUtf8(ChartTitles()));
}

std::string FilmPaceCaptionIn(Language language, const FilmPaceChoice& choice) {
    return Translate(language, choice.caption);
}

}  // namespace kelmar
