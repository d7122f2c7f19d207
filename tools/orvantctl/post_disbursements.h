#pragma once
// orvantctl post disbursements: a file of cash disbursements posted into a company's books.

#include <ostream>

#include "command_line.h"
#include "company/installation.h"
#include "settings/registry.h"

namespace orvant::ctl {

// Reports each refused disbursement on `out` as FILE:LINE: reason, then the totals. Returns 0 when
// every disbursement was posted, 2 when any was refused, 3 when the store could take no more.
int PostDisbursements(const company::Installation& installation, const Registry& registry, const Request& request, std::ostream& out);

}  // namespace orvant::ctl
