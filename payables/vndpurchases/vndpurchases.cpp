// The purchases module: one payable document at a time, posted at Accept.

#include "entryscreens/entry_module.h"
#include "tvndpurchases_dm.h"
#include "tvndpurchases_frm.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace {
const orvant::ModuleTraits kTraits{"vndpurchases", true, "Ctrl_ap_period", false, "QuickLinkBtn"};
}

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    return orvant::entryscreens::RunEntryModule<orvant::purchases::Tvndpurchases_dm, orvant::purchases::Tvndpurchases_frm>(
        link, kTraits, reinterpret_cast<const void*>(&ShowDllForm));
}
