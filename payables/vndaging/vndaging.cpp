// The payables aging module: an options screen that prints, previews or exports the aging of
// the suppliers' accounts.

#include "session/form_module.h"
#include "tvndaging_dm.h"
#include "tvndaging_frm.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    using namespace orvant::vndaging;
    return orvant::RunReportModule<Tvndaging_dm, Tvndaging_frm>(link, "vndaging", reinterpret_cast<const void*>(&ShowDllForm));
}
