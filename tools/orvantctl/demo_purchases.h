#pragma once
// The demo company's purchases: over its quarter the suppliers bill office supplies, rent,
// lumber and telephone, one supplier sends a credit note and one a debit note for freight, and
// a few stamps are bought in cash, each document posted through the purchases posting as the
// import posts it.

#include "company/installation.h"

namespace orvant::ctl {

// Posts the purchases of the quarter ending on the demo's last sales document (PostDemoQuarter
// first), each in the period of its month. They are the same for the same quarter and use no
// invoice number of samples/purchases.jsonl, so the sample still posts. Returns how many were
// posted; a document the posting refuses is a fault of the demo and stops it with a SetupError.
int PostDemoPurchases(const company::Installation& installation, int company);

}  // namespace orvant::ctl
