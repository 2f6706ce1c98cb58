// The shipped league as a new career leaves it after its first basho: real
// names, figures and records. Reads the data files of the current folder (a
// GameFolder with the shipped data copied in).
#pragma once

#include "basho/new_career.h"
#include "support/fixed_clock.h"
#include "support/null_frontend.h"

namespace kelmar::testing {

inline GameState ShippedLeagueAfterFirstBasho(int juryo = 1, int32_t millisecond = 4321) {
    GameState s;
    NullFrontend frontend;
    FixedClock clock(millisecond);
    NewGame(s);
    PickJuryo(s, juryo, clock);
    ConfirmCareer(s, frontend, clock);
    return s;
}

}  // namespace kelmar::testing
