#pragma once
// orvantctl post sales: a file of sales documents posted into a company's books.

#include <ostream>

#include "command_line.h"
#include "company/installation.h"
#include "settings/registry.h"

namespace orvant::ctl {

// Reports each refused document on `out` as FILE:LINE: reason, then the totals. Returns 0
// when every document was posted, 2 when any was refused.
// The name the entries of an import carry: the named user's whole name, or IMPORT.
std::string postingName(const company::Installation& installation, const Request& request);

int PostSales(const company::Installation& installation, const Registry& registry, const Request& request, std::ostream& out);

}  // namespace orvant::ctl
