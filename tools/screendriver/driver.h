#pragma once
// The screen driver: loads a module library, runs its screen in a session of its own, plays a
// script against the real forms and prints a transcript of what happened.
//
// Needs a QApplication. Exit status: 0 every expectation was met, 1 a step failed (the message
// names the script line, the step and what the screen showed instead), 2 bad arguments, a bad
// script, a data root or module that cannot be used.

#include <ostream>
#include <string>
#include <vector>

namespace orvant::screendriver {

int RunScreenDriver(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace orvant::screendriver
