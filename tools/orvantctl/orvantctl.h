#pragma once
// The administrator's tool, callable in-process so tests run it as the shell does.

#include <ostream>
#include <string>
#include <vector>

namespace orvant::ctl {

// Exit status: 0 done, 1 the books do not agree (check), 2 the request was refused or failed.
int RunOrvantctl(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace orvant::ctl
