// Supplier inquiry: a supplier's account shown without changing it, its statement, its documents
// and the aging of what is owed to it.

#include "inquiryscreen/inquiry_form.h"
#include "lang/table_files.h"
#include "settings/regional.h"
#include "settings/registry.h"
#include "shared/choice_lists.h"
#include "shared/maintenance_module.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace {

using namespace orvant;
using namespace orvant::masters;

constexpr int kHelpContext = 303;

class Tvndinquiry_Frm : public InquiryForm {
public:
    Tvndinquiry_Frm(Session& session, QString helpFile)
        : InquiryForm(session, std::move(helpFile), SupplierInquiry(), "Tvndinquiry_Frm", "Display of suppliers", kHelpContext)
    {
    }
};

const ModuleTraits kTraits{"vndinquiry", false, nullptr, false, "QuickLinkBtn"};

std::unique_ptr<Module> makeModule(ModuleContext& context)
{
    MaintenanceTables tables{{"sup", "cap", "caph", "ctrl", "glm", "apori", "cdorihdr", "cdoridet"}, {}};
    return std::make_unique<MaintenanceModule<Tvndinquiry_Frm>>(
        context, std::move(tables), SupplierInquiry().noCompany, [](Tvndinquiry_Frm& form, ModuleContext& c) {
            const Registry registry = Registry::open();
            SetCurrencySigns(registry, CurrencySigns(c.companyDatabase()));
            form.start(c.companyDatabase(), c.dataRootDatabase(), lang::OpenLanguageTable(c.languagesDir(), c.languageTable()), "vndinquiry",
                       InternationalSettings(registry));
        });
}

}  // namespace

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    return RunModule(link, kTraits, makeModule, reinterpret_cast<const void*>(&ShowDllForm));
}
