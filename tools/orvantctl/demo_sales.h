#pragma once
// The demo company's quarter: sales with taxes, credit and debit notes, adjustments and direct
// cash sales to its clients, posted through the sales posting as the screen and the import post
// them, so that a newcomer opens books with content.

#include "company/installation.h"
#include "dates/date.h"

namespace orvant::ctl {

// Posts the quarter that ends with the company's current receivables period, in the year of
// `today` and not past it, each document in the period of its month. The documents are the
// same for the same day; the control record's next invoice number then follows them. Returns how
// many were posted; a document the posting refuses is a fault of the demo and stops it with a
// SetupError naming the document.
int PostDemoQuarter(const company::Installation& installation, int company, Date today);

}  // namespace orvant::ctl
