// The texts of the commands' views (game/game.h) in the player's language,
// UTF-8: the main window's captions, the new-career panel's name label, the
// top ten, the chart's titles and the film's paces. Each is read back from
// the view the face is handed, by the wordings the game composes it with.
#pragma once

#include <string>

#include "game/game.h"
#include "lang/language.h"

namespace kelmar {

struct MainViewTexts {
    std::string confirmCaption;  // PlayerOkButton
    std::string stopCaption;     // btnStop
    std::string score;           // lblMyP
    bool operator==(const MainViewTexts&) const = default;
};
MainViewTexts MainViewTextsIn(Language language, const MainView& view);

// NameLabel: "しこな：" and the display name, the name as the language shows it.
std::string PickNameIn(Language language, const PickView& pick);

// The top ten's lines: the names as the players typed them, the scores worded.
TopTenView TopTenViewIn(Language language, const TopTenView& view);

std::string ChartTitlesIn(Language language);
// A film pace's menu item, "&" before its access key.
std::string FilmPaceCaptionIn(Language language, const FilmPaceChoice& choice);

}  // namespace kelmar
