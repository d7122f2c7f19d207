// The recurring cheques module ("Recurring cheque entries"): the cheques issued again and again
// (rent, standing payments), kept apart from the list, which takes them in when it is built with
// them.

#include "cheque_edit_module.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    using namespace orvant;
    return chequescreen::RunChequeEditModule(link, "vndcheqrecur",
                                             {cheques::ChequeSet::Recurring, "Tvndcheqrecur_frm", "Recurring cheque entries", 502},
                                             reinterpret_cast<const void*>(&ShowDllForm));
}
