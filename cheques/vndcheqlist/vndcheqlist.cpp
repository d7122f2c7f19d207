// The list of cheques to be issued: an options screen that builds the company's cheque list from
// the suppliers' open invoices and prints, previews or exports it.

#include "lang/table_files.h"
#include "session/module_frame.h"
#include "tvndcheqlist_dm.h"
#include "tvndcheqlist_frm.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace orvant::vndcheqlist {
namespace {

class ChequeListModule : public Module {
public:
    explicit ChequeListModule(ModuleContext& context) : context_(context) {}

    std::unique_ptr<DataModule> createDataModule() override
    {
        auto data = std::make_unique<Tvndcheqlist_dm>();
        data_ = data.get();
        return data;
    }

    std::unique_ptr<QDialog> createMainForm() override
    {
        auto form = std::make_unique<Tvndcheqlist_frm>(context_.session(), context_.helpFile());
        form_ = form.get();
        return form;
    }

    void started() override { form_->start(*data_, lang::OpenLanguageTable(context_.languagesDir(), context_.languageTable())); }

private:
    ModuleContext& context_;
    Tvndcheqlist_dm* data_ = nullptr;
    Tvndcheqlist_frm* form_ = nullptr;
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
