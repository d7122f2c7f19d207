#pragma once
// The aging options form of the clients' accounts (Trcvaging_frm): the aging form over the
// client ledger, its clients and territories picked from their lists.

#include "aging_form.h"
#include "pickers.h"

namespace orvant::rcvaging {

class Trcvaging_frm : public aging::AgingForm {
public:
    Trcvaging_frm(Session& session, QString helpFile)
        : AgingForm(aging::AgingScreenLedger::receivables(), {PickClient, CliTerritory}, session, std::move(helpFile))
    {
    }
};

}  // namespace orvant::rcvaging
