// The cash receipts module: a client's payments applied to its open items, or a receipt not
// from a client, posted at Accept.

#include "sidedialogs/payment_module.h"
#include "trcvreceipts_dm.h"
#include "trcvreceipts_frm.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace {
const orvant::ModuleTraits kTraits{"rcvreceipts", true, "Ctrl_ar_period", false, "QuickLinkBtn"};
}

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    return orvant::sidedialogs::RunPaymentModule<orvant::receipts::Trcvreceipts_dm, orvant::receipts::Trcvreceipts_frm>(
        link, kTraits, reinterpret_cast<const void*>(&ShowDllForm));
}
