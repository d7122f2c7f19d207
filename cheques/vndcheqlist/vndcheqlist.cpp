// The list of cheques to be issued: an options screen that builds the company's cheque list from
// the suppliers' open invoices and prints, previews or exports it.

#include "lang/table_files.h"
#include "session/form_module.h"
#include "tvndcheqlist_dm.h"
#include "tvndcheqlist_frm.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace orvant::vndcheqlist {
namespace {

class ChequeListModule : public FormModule<Tvndcheqlist_dm, Tvndcheqlist_frm> {
public:
    using FormModule::FormModule;

    void started() override { form().start(data(), lang::OpenLanguageTable(context().languagesDir(), context().languageTable())); }
};

const ModuleTraits kTraits{"vndcheqlist", false, nullptr, false, nullptr};

}  // namespace
}  // namespace orvant::vndcheqlist

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    return orvant::RunModule(link, orvant::vndcheqlist::kTraits,
                             [](orvant::ModuleContext& c) { return std::make_unique<orvant::vndcheqlist::ChequeListModule>(c); },
                             reinterpret_cast<const void*>(&ShowDllForm));
}
