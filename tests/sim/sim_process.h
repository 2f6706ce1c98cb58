// Runs the kelmar-sim program in the current directory, as a user would, and
// keeps what it printed. Its output goes to a folder of its own, so that the
// game folder holds only what the program itself writes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kelmar::testing {

struct SimResult {
    int status = -1;  // the exit status, or -1 when the program did not exit
    std::string out;
    std::string err;
};

SimResult RunSim(const std::vector<std::string>& args);

// FNV-1a, 64 bits: the signature of a run's whole output.
uint64_t Signature(const std::string& bytes);

}  // namespace kelmar::testing
