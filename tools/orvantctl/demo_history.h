#pragma once
// The demo company's history: items of the year before its quarter, invoiced and settled, that
// the month-end moved out of the ledgers into the client and supplier histories (carh, caph);
// the clients' invoices are archived (fahdra, fadeta). The control record then keeps history.

#include "company/installation.h"
#include "dates/date.h"

namespace orvant::ctl {

// Writes the items, each invoice dated about fourteen months before `today` and settled a few
// weeks later. Returns how many history entries were written.
int AddDemoHistory(const company::Installation& installation, int company, Date today);

}  // namespace orvant::ctl
