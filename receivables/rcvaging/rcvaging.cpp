// The receivables aging module: an options screen that prints, previews or exports the aging of
// the clients' accounts.

#include "lang/table_files.h"
#include "session/module_frame.h"
#include "trcvaging_dm.h"
#include "trcvaging_frm.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace orvant::rcvaging {
namespace {

class AgingModule : public Module {
public:
    explicit AgingModule(ModuleContext& context) : context_(context) {}

    std::unique_ptr<DataModule> createDataModule() override
    {
        auto data = std::make_unique<Trcvaging_dm>();
        data_ = data.get();
        return data;
    }

    std::unique_ptr<QDialog> createMainForm() override
    {
        auto form = std::make_unique<Trcvaging_frm>(context_.session(), context_.helpFile());
        form_ = form.get();
        return form;
    }

    void started() override { form_->start(*data_, lang::OpenLanguageTable(context_.languagesDir(), context_.languageTable())); }

private:
    ModuleContext& context_;
    Trcvaging_dm* data_ = nullptr;
    Trcvaging_frm* form_ = nullptr;
};

const ModuleTraits kTraits{"rcvaging", false, nullptr, false, nullptr};

}  // namespace
}  // namespace orvant::rcvaging

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    return orvant::RunModule(link, orvant::rcvaging::kTraits,
                             [](orvant::ModuleContext& c) { return std::make_unique<orvant::rcvaging::AgingModule>(c); },
                             reinterpret_cast<const void*>(&ShowDllForm));
}
