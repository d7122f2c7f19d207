#pragma once
// The aging options form of the suppliers' accounts (Tvndaging_frm): the aging form over the
// supplier ledger, its suppliers picked from their list.

#include "aging_form.h"
#include "pickers.h"

namespace orvant::vndaging {

class Tvndaging_frm : public aging::AgingForm {
public:
    Tvndaging_frm(Session& session, QString helpFile)
        : AgingForm(aging::AgingScreenLedger::payables(), {PickSupplier}, session, std::move(helpFile))
    {
    }
};

}  // namespace orvant::vndaging
