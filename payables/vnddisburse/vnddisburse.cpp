// The cash disbursements module: payments to a supplier applied to its open items, or a
// disbursement not to a supplier, posted at Accept.

#include "session/module_frame.h"
#include "sidedialogs/period_dialog.h"
#include "sidedialogs/taxperrate_dialog.h"
#include "tvnddisburse_dm.h"
#include "tvnddisburse_frm.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace orvant::disbursements {
namespace {

class DisbursementsModule : public Module {
public:
    explicit DisbursementsModule(ModuleContext& context) : context_(context) {}

    std::unique_ptr<DataModule> createDataModule() override
    {
        auto data = std::make_unique<Tvnddisburse_dm>();
        data_ = data.get();
        return data;
    }

    std::unique_ptr<QDialog> createMainForm() override
    {
        auto form = std::make_unique<Tvnddisburse_frm>(context_.session(), context_.helpFile());
        form_ = form.get();
        return form;
    }

    std::vector<std::unique_ptr<QWidget>> createDialogs() override
    {
        auto taxes = std::make_unique<sidedialogs::Ttaxperrate_dlg>(form_);
        auto period = std::make_unique<sidedialogs::Tperiod_dlg>(form_);
        dialogs_ = {taxes.get(), period.get()};
        std::vector<std::unique_ptr<QWidget>> all;
        all.push_back(std::move(taxes));
        all.push_back(std::move(period));
        return all;
    }

    void started() override
    {
        data_->open();
        form_->start(*data_, dialogs_);
    }

private:
    ModuleContext& context_;
    Tvnddisburse_dm* data_ = nullptr;
    Tvnddisburse_frm* form_ = nullptr;
    DisbursementDialogs dialogs_;
};

const ModuleTraits kTraits{"vnddisburse", true, "Ctrl_ap_period", false, "QuickLinkBtn"};

}  // namespace
}  // namespace orvant::disbursements

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    return orvant::RunModule(link, orvant::disbursements::kTraits,
                             [](orvant::ModuleContext& c) { return std::make_unique<orvant::disbursements::DisbursementsModule>(c); },
                             reinterpret_cast<const void*>(&ShowDllForm));
}
