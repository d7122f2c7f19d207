// The undo of payables transactions: a supplier's posted purchases and payments removed with
// everything that hangs on them, audit copies kept, and the report of what was removed.

#include "session/form_module.h"
#include "tvndundo_dm.h"
#include "tvndundo_frm.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    using namespace orvant::vndundo;
    return orvant::RunReportModule<Tvndundo_dm, Tvndundo_frm>(link, "vndundo", reinterpret_cast<const void*>(&ShowDllForm));
}
