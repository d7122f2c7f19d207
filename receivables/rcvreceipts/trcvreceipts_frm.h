#pragma once
// The cash receipts form (Trcvreceipts_frm): a client's payment on its open items, or a
// receipt not from a client, the widgets named as the language tables and the screen driver
// know them.

#include "receipts_host.h"
#include "receipts_screen.h"
#include "sidedialogs/payment_form.h"

namespace orvant::receipts {

class Trcvreceipts_dm;

class Trcvreceipts_frm : public sidedialogs::PaymentForm<ReceiptsHost, ReceiptsScreen, Trcvreceipts_dm> {
public:
    Trcvreceipts_frm(Session& session, QString helpFile);

    std::string pickClient() override;

private:
    void started() override;
};

}  // namespace orvant::receipts
