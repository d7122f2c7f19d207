// The cheque list editing module ("Edit cheque entries"): the cheques the list proposes,
// reviewed, changed, removed, and cheques added by hand, to a supplier paying its open
// invoices or to any payee spread over accounts.

#include "cheque_edit_module.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    using namespace orvant;
    return chequescreen::RunChequeEditModule(link, "vndcheqedit", {cheques::ChequeSet::List, "Tvndcheqedit_frm", "Edit cheque entries", 501},
                                             reinterpret_cast<const void*>(&ShowDllForm));
}
