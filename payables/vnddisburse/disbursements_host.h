#pragma once
// What the cash disbursements screen's logic asks of its form: what every entry screen asks (EntryHost), and
// the supplier's picker.

#include <string>

#include "disbursement_check.h"
#include "sidedialogs/entry_host.h"

namespace orvant::disbursements {

class DisbursementsHost : public sidedialogs::EntryHost<DisbursementField> {
public:
    // A supplier code, or "" when the user chose none.
    virtual std::string pickSupplier() = 0;
};

}  // namespace orvant::disbursements
