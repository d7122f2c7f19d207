// Client inquiry: a client's account shown without changing it, its statement, its documents and
// the aging of what it owes.

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

constexpr int kHelpContext = 204;

class Trcvinquiry_frm : public InquiryForm {
public:
    Trcvinquiry_frm(Session& session, QString helpFile)
        : InquiryForm(session, std::move(helpFile), ClientInquiry(), "Trcvinquiry_frm", "Display of clients", kHelpContext)
    {
    }
};

const ModuleTraits kTraits{"rcvinquiry", false, nullptr, false, "QuickLinkBtn"};

std::unique_ptr<Module> makeModule(ModuleContext& context)
{
    MaintenanceTables tables{{"cli", "car", "carh", "ctrl", "taxrates", "glm", "arori", "crorihdr", "croridet", "fahdr", "fadet",
                              "fahdra", "fadeta", "ivprod", "slsm"},
                             {"arterms"}};
    return std::make_unique<MaintenanceModule<Trcvinquiry_frm>>(
        context, std::move(tables), ClientInquiry().noCompany, [](Trcvinquiry_frm& form, ModuleContext& c) {
            const Registry registry = Registry::open();
            SetCurrencySigns(registry, CurrencySigns(c.companyDatabase()));
            form.start(c.companyDatabase(), c.dataRootDatabase(), lang::OpenLanguageTable(c.languagesDir(), c.languageTable()), "rcvinquiry",
                       InternationalSettings(registry));
        });
}

}  // namespace

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    return RunModule(link, kTraits, makeModule, reinterpret_cast<const void*>(&ShowDllForm));
}
