// The cash disbursements module: payments to a supplier applied to its open items, or a
// disbursement not to a supplier, posted at Accept.

#include "sidedialogs/payment_module.h"
#include "tvnddisburse_dm.h"
#include "tvnddisburse_frm.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace {
const orvant::ModuleTraits kTraits{"vnddisburse", true, "Ctrl_ap_period", false, "QuickLinkBtn"};
}

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    return orvant::sidedialogs::RunPaymentModule<orvant::disbursements::Tvnddisburse_dm, orvant::disbursements::Tvnddisburse_frm>(
        link, kTraits, reinterpret_cast<const void*>(&ShowDllForm));
}
