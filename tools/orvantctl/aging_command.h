#pragma once
// orvantctl aging: the aging report of a company's clients (or suppliers) written to a PDF or a
// CSV file, with the options of the aging screen.

#include <ostream>
#include <string>
#include <vector>

namespace orvant::ctl {

// Whether the call's command is "aging" (its first word that is neither an option nor an
// option's value).
bool IsAgingCommand(const std::vector<std::string>& arguments);

// Runs it: 0 when the report was written, 2 when the call was refused or the report could not be
// made (a currency without rate, a file that cannot be written), with the reason on `err`.
int RunAgingCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

extern const char* const kAgingUsage;

}  // namespace orvant::ctl
