#pragma once
// The lookups the project dialog opens from its grid: the suite's project, phase and cost
// element pickers in production, stand-ins in tests.

#include <functional>
#include <string>

#include "session/session.h"

namespace orvant::sidedialogs {

struct ProjectLookups {
    std::function<std::string()> project;  // a project number; "" when cancelled
    std::function<int()> phase;            // a jcPhase number; 0 when cancelled
    std::function<std::string()> element;  // a cost element code (payables); "" when cancelled
};

// Getproject, Getphase and Getelem of the suite, each given the session's record.
ProjectLookups SuiteProjectLookups(const Session& session);

}  // namespace orvant::sidedialogs
