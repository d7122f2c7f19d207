#pragma once
// The demo company's cash receipts: after its quarter of sales, a few clients pay, in full or in
// part, one with an early payment discount, and the bank takes in money from no client, each
// receipt posted through the receipts posting as the import posts it.

#include "company/installation.h"

namespace orvant::ctl {

// Posts the receipts over the invoices of the demo's quarter (PostDemoQuarter first), each
// dated some days after the invoices it pays and never past the quarter's last document, in the
// period of its month. The receipts are the same for the same quarter. Returns how many were
// posted; a receipt the posting refuses is a fault of the demo and stops it with a SetupError
// naming the receipt.
int PostDemoReceipts(const company::Installation& installation, int company);

}  // namespace orvant::ctl
