#pragma once
// What the cash receipts screen's logic asks of its form: what every entry screen asks (EntryHost), and
// the client's picker.

#include <string>

#include "receipt_check.h"
#include "sidedialogs/entry_host.h"

namespace orvant::receipts {

class ReceiptsHost : public sidedialogs::EntryHost<ReceiptField> {
public:
    // A client code, or "" when the user chose none.
    virtual std::string pickClient() = 0;
};

}  // namespace orvant::receipts
