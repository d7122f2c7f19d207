// The sales and adjustments module: one receivable document at a time, posted at Accept.

#include "entryscreens/entry_module.h"
#include "trcvsales_dm.h"
#include "trcvsales_frm.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace {
const orvant::ModuleTraits kTraits{"rcvsales", true, "Ctrl_ar_period", false, "QuickLinkBtn"};
}

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    return orvant::entryscreens::RunEntryModule<orvant::sales::Trcvsales_dm, orvant::sales::Trcvsales_frm>(
        link, kTraits, reinterpret_cast<const void*>(&ShowDllForm));
}
