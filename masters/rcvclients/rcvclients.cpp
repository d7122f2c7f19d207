// Client maintenance: the clients of the company, created, changed and deleted one at a time.

#include "rcvclients/trcvclients_frm.h"
#include "settings/regional.h"
#include "settings/registry.h"
#include "shared/choice_lists.h"
#include "shared/maintenance_module.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace {

using namespace orvant;
using namespace orvant::masters;

const ModuleTraits kTraits{"rcvclients", false, nullptr, false, "QuickLinkBtn"};

std::unique_ptr<Module> makeModule(ModuleContext& context)
{
    MaintenanceTables tables{{"ctrl", "cli", "ivctrl", "glm", "Fafrm1", "car", "carh", "slsm", "taxrates"}, {"arterms", "arterr"}};
    return std::make_unique<MaintenanceModule<Trcvclients_frm>>(context, std::move(tables), kNoCompany, [](Trcvclients_frm& form, ModuleContext& c) {
        const Registry registry = Registry::open();
        SetCurrencySigns(registry, CurrencySigns(c.companyDatabase()));
        form.start(c.companyDatabase(), c.dataRootDatabase(), LargerEditionInstalled(registry), InternationalSettings(registry));
    });
}

}  // namespace

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    return RunModule(link, kTraits, makeModule, reinterpret_cast<const void*>(&ShowDllForm));
}
