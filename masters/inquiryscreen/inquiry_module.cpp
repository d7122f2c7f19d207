#include "inquiryscreen/inquiry_module.h"

#include "lang/table_files.h"
#include "settings/regional.h"
#include "settings/registry.h"
#include "shared/choice_lists.h"

namespace orvant::masters {

void StartInquiry(InquiryForm& form, ModuleContext& context)
{
    const Registry registry = Registry::open();
    SetCurrencySigns(registry, CurrencySigns(context.companyDatabase()));
    form.start(context.companyDatabase(), context.dataRootDatabase(), lang::OpenLanguageTable(context.languagesDir(), context.languageTable()),
               QString::fromLatin1(context.traits().code), InternationalSettings(registry));
}

}  // namespace orvant::masters
