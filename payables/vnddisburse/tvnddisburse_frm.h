#pragma once
// The cash disbursements form (Tvnddisburse_frm): payments to a supplier on its open items, or a
// disbursement not to a supplier, the widgets named as the language tables and the screen
// driver know them.

#include "disbursements_host.h"
#include "disbursements_screen.h"
#include "sidedialogs/payment_form.h"

namespace orvant::disbursements {

class Tvnddisburse_dm;

class Tvnddisburse_frm : public sidedialogs::PaymentForm<DisbursementsHost, DisbursementsScreen, Tvnddisburse_dm> {
public:
    Tvnddisburse_frm(Session& session, QString helpFile);

    std::string pickSupplier() override;
};

}  // namespace orvant::disbursements
