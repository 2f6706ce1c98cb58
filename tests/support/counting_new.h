// Counts the calls of the global operator new of the program that links
// counting_new.cpp (it replaces new and delete; the memory comes from malloc
// as before). Only a test or benchmark executable lists that file.
#pragma once

#include <cstdint>

namespace kelmar::testing {

// The number of allocations made so far by any thread.
uint64_t AllocationCount();

}  // namespace kelmar::testing
