// The program's work: the runs of the command line played, on as many threads
// as it asks for, and their lines or their summary written to standard output.
#pragma once

#include "sim/options.h"

namespace kelmar {
class CareerRecord;
}

namespace kelmar::sim {

// The exit status: 0, or 1 when a run stopped on an error of the game (its
// message is written to standard error after the output before it). With a
// career record, the runs are played one after the other, so that their
// careers are written in run order.
int Simulate(const SimOptions& options, CareerRecord* record = nullptr);

}  // namespace kelmar::sim
