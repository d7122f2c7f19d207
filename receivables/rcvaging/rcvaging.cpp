// The receivables aging module: an options screen that prints, previews or exports the aging of
// the clients' accounts.

#include "session/form_module.h"
#include "trcvaging_dm.h"
#include "trcvaging_frm.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    using namespace orvant::rcvaging;
    return orvant::RunReportModule<Trcvaging_dm, Trcvaging_frm>(link, "rcvaging", reinterpret_cast<const void*>(&ShowDllForm));
}
