// The list of cheques to be issued: an options screen that builds the company's cheque list from
// the suppliers' open invoices and prints, previews or exports it.

#include "session/form_module.h"
#include "tvndcheqlist_dm.h"
#include "tvndcheqlist_frm.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    using namespace orvant::vndcheqlist;
    return orvant::RunReportModule<Tvndcheqlist_dm, Tvndcheqlist_frm>(link, "vndcheqlist", reinterpret_cast<const void*>(&ShowDllForm));
}
