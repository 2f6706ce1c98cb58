// Enlarged previews for looking at the pictures as the game shows them: the
// scoreboard of a day and the banzuke chart composed from the sheet the way
// the game copies its cells, the sheet itself and the films.
#pragma once

#include <QDir>

#include "state/game_state.h"

namespace kelmar::pictures {

// Reads the pictures back from `pictures` and writes PNG previews into `previews`.
void WritePreviews(const GameState& league, const QDir& pictures, const QDir& previews);

}  // namespace kelmar::pictures
