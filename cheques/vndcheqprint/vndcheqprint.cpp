// Print and update cheques: numbers and prints the cheques of the list drawn on one bank account
// on the company's cheque form, then posts those the user confirms printed well.

#include "lang/table_files.h"
#include "session/form_module.h"
#include "tupdate_dlg.h"
#include "tvndcheqprint_dm.h"
#include "tvndcheqprint_frm.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace orvant::vndcheqprint {
namespace {

class ChequePrintModule : public FormModule<Tvndcheqprint_dm, Tvndcheqprint_frm> {
public:
    using FormModule::FormModule;

    std::vector<std::unique_ptr<QWidget>> createDialogs() override
    {
        auto dialog = std::make_unique<TUpdate_dlg>(&form());
        endOfPrinting_ = dialog.get();
        std::vector<std::unique_ptr<QWidget>> all;
        all.push_back(std::move(dialog));
        return all;
    }

    void started() override { form().start(data(), *endOfPrinting_); }

private:
    TUpdate_dlg* endOfPrinting_ = nullptr;
};

const ModuleTraits kTraits{"vndcheqprint", true, nullptr, false, nullptr};

}  // namespace
}  // namespace orvant::vndcheqprint

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    return orvant::RunModule(link, orvant::vndcheqprint::kTraits,
                             [](orvant::ModuleContext& c) { return std::make_unique<orvant::vndcheqprint::ChequePrintModule>(c); },
                             reinterpret_cast<const void*>(&ShowDllForm));
}
