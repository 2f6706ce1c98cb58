#include "lang/error_text.h"

#include <cstring>
#include <vector>

#include "lang/catalogue.h"
#include "state/encoding.h"
#include "state/errors.h"

namespace kelmar {
namespace {

// The forms of a message that names its file, which the game's Japanese
// message does not.
constexpr Wording kWithFile = wd<"{file}: {reason}", "a message and its file">;
constexpr Wording kWithFileAndSystem =
    wd<"{file}: {reason} ({system})", "a message, its file and the system's reason">;
constexpr Wording kWithSystem = wd<"{reason} ({system})", "a message and the system's reason">;

std::string Worded(Language language, const MessageWords& words) {
    std::vector<std::string> texts;
    texts.reserve(words.pieces.size());
    for (const MessageWords::Piece& piece : words.pieces) {
        if (piece.words)
            texts.push_back(Worded(language, *piece.words));
        else
            texts.push_back(piece.shown.empty() ? ShiftJisToUtf8(piece.text) : piece.shown);
    }
    std::vector<TextPiece> pieces;
    pieces.reserve(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) pieces.push_back({words.pieces[i].name, texts[i]});
    return Format(language, words.wording, pieces);
}

std::string WithFileAndSystem(Language language, const std::string& reason, const std::string& file,
                              int systemError) {
    const std::string system = systemError != 0 ? std::strerror(systemError) : "";
    if (!file.empty() && !system.empty())
        return Format(language, kWithFileAndSystem,
                      {{"file", file}, {"reason", reason}, {"system", system}});
    if (!file.empty())
        return Format(language, kWithFile, {{"file", file}, {"reason", reason}});
    if (!system.empty())
        return Format(language, kWithSystem, {{"reason", reason}, {"system", system}});
    return reason;
}

}  // namespace

std::string ErrorText(Language language, const std::exception& error) {
    const auto* game = dynamic_cast<const GameError*>(&error);
    if (game == nullptr)
        return error.what();
    if (language == Language::Japanese)
        return ShiftJisToUtf8(game->what());
    if (game->words() == nullptr)
        return Translate(language, ShiftJisToUtf8(game->what()));
    const std::string text = Worded(language, *game->words());
    if (const auto* io = dynamic_cast<const InOutError*>(game))
        return WithFileAndSystem(language, text, io->file(), io->systemError());
    if (const auto* picture = dynamic_cast<const PictureError*>(game))
        return WithFileAndSystem(language, text, "", picture->systemError());
    return text;
}

}  // namespace kelmar
