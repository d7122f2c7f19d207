// Supplier maintenance: the suppliers of the company, created, changed and deleted one at a time.

#include "settings/regional.h"
#include "settings/registry.h"
#include "shared/choice_lists.h"
#include "shared/maintenance_module.h"
#include "ui/version.h"
#include "vndsuppliers/tvndsuppliers_frm.h"

ORVANT_VERSION_MARK

namespace {

using namespace orvant;
using namespace orvant::masters;

const ModuleTraits kTraits{"vndsuppliers", false, nullptr, false, "QuickLinkBtn"};

std::unique_ptr<Module> makeModule(ModuleContext& context)
{
    MaintenanceTables tables{{"sup", "ctrl", "glm", "cap", "caph"}, {}};
    return std::make_unique<MaintenanceModule<Tvndsuppliers_frm>>(
        context, std::move(tables), kSupplierNoCompany, [](Tvndsuppliers_frm& form, ModuleContext& c) {
            const Registry registry = Registry::open();
            SetCurrencySigns(registry, CurrencySigns(c.companyDatabase()));
            form.start(c.companyDatabase(), LargerEditionInstalled(registry), InternationalSettings(registry));
        });
}

}  // namespace

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    return RunModule(link, kTraits, makeModule, reinterpret_cast<const void*>(&ShowDllForm));
}
