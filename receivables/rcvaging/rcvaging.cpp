// The receivables aging module: an options screen that prints, previews or exports the aging of
// the clients' accounts.

#include "lang/table_files.h"
#include "session/form_module.h"
#include "trcvaging_dm.h"
#include "trcvaging_frm.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace orvant::rcvaging {
namespace {

class AgingModule : public FormModule<Trcvaging_dm, Trcvaging_frm> {
public:
    using FormModule::FormModule;

    void started() override { form().start(data(), lang::OpenLanguageTable(context().languagesDir(), context().languageTable())); }
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
