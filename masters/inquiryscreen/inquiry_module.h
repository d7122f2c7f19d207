#pragma once
// An inquiry module: what tells the client inquiry from the supplier inquiry, described once per
// module; the frame, the tables opened and the form started over the books are written here.

#include "inquiryscreen/inquiry_form.h"
#include "shared/maintenance_module.h"

namespace orvant::masters {

struct InquiryModule {
    InquiryModule(const InquiryParty& party, const char* code, const char* formName, const char* caption, int helpContext,
                  MaintenanceTables tables)
        : party(party), traits{code, false, nullptr, false, "QuickLinkBtn"}, formName(formName), caption(caption),
          helpContext(helpContext), tables(std::move(tables))
    {
    }

    const InquiryParty& party;
    ModuleTraits traits;   // its code ("rcvinquiry") names the language tables and the databases
    const char* formName;  // the form's object name: "Trcvinquiry_frm"
    const char* caption;
    int helpContext;
    MaintenanceTables tables;
};

// The form as the frame makes every maintenance form: from the session and the help file.
template <const InquiryModule& described>
class DescribedInquiryForm : public InquiryForm {
public:
    DescribedInquiryForm(Session& session, QString helpFile)
        : InquiryForm(session, std::move(helpFile), described.party, described.formName, described.caption, described.helpContext)
    {
    }
};

// Once the tables are open: the currency signs, then the form over the books.
void StartInquiry(InquiryForm& form, ModuleContext& context);

template <const InquiryModule& described>
std::int32_t RunInquiryModule(const TLinkSection& link, const void* entryPoint)
{
    using Form = DescribedInquiryForm<described>;
    const auto make = [](ModuleContext& context) -> std::unique_ptr<Module> {
        return std::make_unique<MaintenanceModule<Form>>(context, described.tables, described.party.noCompany,
                                                         [](Form& form, ModuleContext& c) { StartInquiry(form, c); });
    };
    return RunModule(link, described.traits, make, entryPoint);
}

}  // namespace orvant::masters
