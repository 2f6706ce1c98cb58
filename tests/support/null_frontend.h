// A Frontend that shows nothing, waits for nothing and answers nothing: the
// rules alone, as the benchmarks and the allocation test run them. The tactic
// window is closed without a choice, the name dialog cancelled, no film shown.
#pragma once

#include <string>

#include "state/frontend.h"

namespace kelmar::testing {

struct NullFrontend : HeadlessFrontend {
    int newspapers = 0;  // how many pages were handed over
    int careerReports = 0;

    void ShowNewspaper(const std::string&) override { ++newspapers; }
    void ShowCareerReport(const ReportLines&) override { ++careerReports; }
};

}  // namespace kelmar::testing
