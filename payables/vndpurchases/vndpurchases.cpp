// The purchases module: one payable document at a time, posted at Accept.

#include "session/module_frame.h"
#include "settings/regional.h"
#include "settings/registry.h"
#include "sidedialogs/holdback_dialog.h"
#include "sidedialogs/period_dialog.h"
#include "sidedialogs/project_dialog.h"
#include "sidedialogs/taxperrate_dialog.h"
#include "tvndpurchases_dm.h"
#include "tvndpurchases_frm.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace orvant::purchases {
namespace {

class PurchasesModule : public Module {
public:
    explicit PurchasesModule(ModuleContext& context) : context_(context) {}

    std::unique_ptr<DataModule> createDataModule() override
    {
        auto data = std::make_unique<Tvndpurchases_dm>();
        data_ = data.get();
        return data;
    }

    std::unique_ptr<QDialog> createMainForm() override
    {
        auto form = std::make_unique<Tvndpurchases_frm>(context_.session(), context_.helpFile());
        form_ = form.get();
        return form;
    }

    std::vector<std::unique_ptr<QWidget>> createDialogs() override
    {
        auto taxes = std::make_unique<sidedialogs::Ttaxperrate_dlg>(form_);
        auto holdback = std::make_unique<sidedialogs::Tholdback_dlg>(form_);
        auto projects = std::make_unique<sidedialogs::Tproject_dlg>(form_);
        auto period = std::make_unique<sidedialogs::Tperiod_dlg>(form_);
        dialogs_ = {taxes.get(), holdback.get(), projects.get(), period.get()};
        std::vector<std::unique_ptr<QWidget>> all;
        all.push_back(std::move(taxes));
        all.push_back(std::move(holdback));
        all.push_back(std::move(projects));
        all.push_back(std::move(period));
        return all;
    }

    void started() override
    {
        const Session& session = context_.session();
        data_->open(JobCostEnabled(Registry::open(), QString::fromStdString(session.dataRoot)));
        form_->start(*data_, dialogs_);
    }

private:
    ModuleContext& context_;
    Tvndpurchases_dm* data_ = nullptr;
    Tvndpurchases_frm* form_ = nullptr;
    entryscreens::EntryDialogs dialogs_;
};

const ModuleTraits kTraits{"vndpurchases", true, "Ctrl_ap_period", false, "QuickLinkBtn"};

}  // namespace
}  // namespace orvant::purchases

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    return orvant::RunModule(link, orvant::purchases::kTraits,
                             [](orvant::ModuleContext& c) { return std::make_unique<orvant::purchases::PurchasesModule>(c); },
                             reinterpret_cast<const void*>(&ShowDllForm));
}
