// The film's pace, an option beside the game's rules: how often Timer1 ticks.
// A film keeps its seven steps, its pictures and its pause; only the time
// between two steps changes. The choice is kept between runs in the
// platform's settings ($XDG_CONFIG_HOME/kelmar/kelmar.conf), never with the
// saved game.
#pragma once

#include <array>

namespace kelmar {

enum class FilmPace { Standard, Fast, VeryFast };

struct FilmPaceChoice {
    FilmPace pace;
    const char* caption;  // of its menu item, UTF-8
    const char* name;     // as kept in the settings
    int divisor;          // of the standard interval: 300, 150 and 75 ms
};

inline constexpr std::array<FilmPaceChoice, 3> kFilmPaces = {{
    {FilmPace::Standard, "標準(&1)", "standard", 1},
    {FilmPace::Fast, "速い(&2)", "fast", 2},
    {FilmPace::VeryFast, "とても速い(&3)", "veryFast", 4},
}};

// Timer1's interval at `pace`, given its interval at the standard pace.
int TickInterval(FilmPace pace, int standardMs);

// The pace chosen in an earlier run. Without one, or when the settings
// cannot be read or hold something else, the standard pace, and no message.
FilmPace LoadFilmPace();

// Keeps the pace for the next run. Settings that cannot be read are left as
// they are, and a failure to write them is ignored: the pace holds for this
// run all the same.
void SaveFilmPace(FilmPace pace);

}  // namespace kelmar
