// The program's work: the runs of the command line played, on as many threads
// as it asks for, and their lines or their summary written to standard output.
#pragma once

#include "tools/sim/options.h"

namespace kelmar::sim {

// The exit status: 0, or 1 when a run stopped on an error of the game (its
// message is written to standard error after the output before it).
int Simulate(const SimOptions& options);

}  // namespace kelmar::sim
