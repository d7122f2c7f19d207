// Client maintenance: the clients of the company, created, changed and deleted one at a time.

#include <QApplication>

#include "rcvclients/trcvclients_frm.h"
#include "session/module_frame.h"
#include "settings/registry.h"
#include "shared/choice_lists.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace orvant::masters {
namespace {

// The company's tables and the data root's that the screen reads, opened at the first
// activation (each refused table named); none when no company is chosen.
class Trcvclients_dm : public DataModule {
public:
    void bind(ModuleContext& context) override
    {
        if (context.session().companyCode.empty()) return;
        for (const char* name : {"ctrl", "cli", "ivctrl", "glm", "Fafrm1", "car", "carh", "slsm", "taxrates"})
            tables_.push_back(std::make_unique<store::Table>(context.companyDatabase(), name));
        for (const char* name : {"arterms", "arterr"})
            tables_.push_back(std::make_unique<store::Table>(context.dataRootDatabase(), name));
    }
    std::vector<store::Table*> tablesToOpen() override
    {
        std::vector<store::Table*> tables;
        for (const auto& table : tables_) tables.push_back(table.get());
        return tables;
    }

private:
    std::vector<std::unique_ptr<store::Table>> tables_;
};

class ClientsModule : public Module {
public:
    explicit ClientsModule(ModuleContext& context) : context_(context) {}

    std::unique_ptr<DataModule> createDataModule() override { return std::make_unique<Trcvclients_dm>(); }

    std::unique_ptr<QDialog> createMainForm() override
    {
        auto form = std::make_unique<Trcvclients_frm>(context_.session(), context_.helpFile());
        form_ = form.get();
        return form;
    }

    void started() override
    {
        // A screen without a company would show another company's clients.
        if (context_.session().companyCode.empty()) {
            form_->message(kNoCompany, ui::MessageKind::Error);
            context_.closeScreen();
            return;
        }
        const Registry registry = Registry::open();
        form_->start(context_.companyDatabase(), context_.dataRootDatabase(), LargerEditionInstalled(registry),
                     InternationalSettings(registry));
    }

private:
    ModuleContext& context_;
    Trcvclients_frm* form_ = nullptr;
};

const ModuleTraits kTraits{"rcvclients", false, nullptr, false, "QuickLinkBtn"};

}  // namespace
}  // namespace orvant::masters

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    return orvant::RunModule(link, orvant::masters::kTraits,
                             [](orvant::ModuleContext& c) { return std::make_unique<orvant::masters::ClientsModule>(c); },
                             reinterpret_cast<const void*>(&ShowDllForm));
}
