#pragma once
// orvantctl layout export|import: a company's cheque form moved as text.

#include <ostream>

#include "command_line.h"
#include "company/installation.h"

namespace orvant::ctl {

// Writes the form to the request's file ("-": `out`). Returns 0.
int ExportLayout(const company::Installation& installation, const Request& request, std::ostream& out);

// Makes the file's form ("-": the standard input) the company's. Returns 0 when it was written,
// 2 when it was refused, with every reason on `out` as FILE:LINE: reason or FILE: reason.
int ImportLayout(const company::Installation& installation, const Request& request, std::ostream& out);

}  // namespace orvant::ctl
