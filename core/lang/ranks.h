// The rank words as a face shows them in its language, UTF-8: in full
// (Yokozuna, Ozeki, Sekiwake, Komusubi, Maegashira) and short, as English
// banzuke write them where room is short (Y, O, S, K, M, M5). Japanese keeps
// the game's words (state/rank.h) in both.
#pragma once

#include <cstdint>
#include <string>

#include "lang/language.h"
#include "state/frontend.h"

namespace kelmar {

enum class RankForm { Full, Short };

// The word of a rank code 1..5; empty for any other code, as the game has
// none. A maegashira's number, when above 0, follows the short word (M5).
std::string RankName(Language language, int64_t code, RankForm form = RankForm::Full,
                     int maegashiraNumber = 0);

// A bout's name label: the rank and the name, one space between them in a
// language that writes spaces.
std::string BoutLabelIn(Language language, const BoutSide& side, RankForm form = RankForm::Full);

}  // namespace kelmar
