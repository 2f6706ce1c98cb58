// The film's pace kept between runs in the platform's settings
// ($XDG_CONFIG_HOME/kelmar/kelmar.conf), never with the saved game. The
// paces themselves are the core's (game/game.h).
#pragma once

#include "game/game.h"

namespace kelmar {

// The pace chosen in an earlier run. Without one, or when the settings
// cannot be read or hold something else, the standard pace, and no message.
FilmPace LoadFilmPace();

// Keeps the pace for the next run. Settings that cannot be read are left as
// they are, and a failure to write them is ignored: the pace holds for this
// run all the same.
void SaveFilmPace(FilmPace pace);

}  // namespace kelmar
