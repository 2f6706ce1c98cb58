// The page read back into its lines and pieces, and worded in the player's
// language: the face is handed the page as the game composes it, and the game
// words each line from the same table.
#include <optional>

#include "banzuke/newspaper.h"
#include "lang/catalogue.h"
#include "lang/names.h"
#include "state/encoding.h"

namespace kelmar {
namespace {

// The line's headline: the wording that frames it with the most of its own
// text, for a name may hold anything.
NewspaperLine ReadLine(std::string_view line) {
    if (line.empty())
        return {Headline::Blank, ""};
    NewspaperLine best{Headline::Unknown, std::string(line)};
    size_t bestFrame = 0;
    for (int h = 0; h < static_cast<int>(Headline::Unknown); ++h) {
        const auto headline = static_cast<Headline>(h);
        const std::string_view wording = WordingOf(headline).japanese;
        if (wording.empty())
            continue;
        const std::optional<WordingFrame> frame = FrameOf(wording);
        if (!frame) {
            if (line == wording && wording.size() > bestFrame) {
                best = {headline, ""};
                bestFrame = wording.size();
            }
            continue;
        }
        const size_t framing = frame->before.size() + frame->after.size();
        if (framing <= bestFrame)
            continue;
        if (const std::optional<std::string_view> piece = PieceIn(wording, line)) {
            best = {headline, std::string(*piece)};
            bestFrame = framing;
        }
    }
    return best;
}

std::string LineIn(Language language, const NewspaperLine& line,
                   std::span<const std::string> knownNames) {
    switch (line.headline) {
        case Headline::Blank:
            return "";
        case Headline::Unknown:
            return ShiftJisToUtf8(line.piece);
        default:
            break;
    }
    const Wording& wording = WordingOf(line.headline);
    if (!JoinsNames(line.headline))
        return Format(language, wording, {{"name", ShownName(language, line.piece)}});
    std::vector<std::string> names = SplitJoinedNames(line.piece, knownNames);
    for (std::string& name : names) name = ShownName(language, name);
    return Format(language, wording, {{"names", ListOfNames(language, names)}});
}

}  // namespace

std::vector<NewspaperLine> ReadNewspaper(std::string_view page) {
    std::vector<NewspaperLine> lines;
    while (!page.empty()) {
        const size_t end = page.find(kPaperLineEnd);
        lines.push_back(ReadLine(page.substr(0, end)));
        if (end == std::string_view::npos)
            break;
        page.remove_prefix(end + kPaperLineEnd.size());
    }
    return lines;
}

std::string NewspaperIn(Language language, std::string_view page,
                        std::span<const std::string> knownNames) {
    if (language == Language::Japanese)
        return ShiftJisToUtf8(page);
    std::string text;
    for (const NewspaperLine& line : ReadNewspaper(page)) {
        text += LineIn(language, line, knownNames);
        text += kPaperLineEnd;
    }
    return text;
}

}  // namespace kelmar
