#include "company_choice.h"

#include "company/passwords.h"
#include "store/table.h"

namespace orvant::launcher {

bool MayEnterCompany(store::Database& dataRoot, int candidate, int usersCompany, CompanyPasswordPrompt& prompt)
{
    store::Table companies(dataRoot, "comp");
    companies.open();
    if (!companies.findKey({candidate})) return false;
    const std::string hash = companies.field("Comp_Passwd").asString();
    if (hash.empty() || candidate == usersCompany) return true;
    for (;;) {
        const auto typed = prompt.ask();
        if (!typed) return false;
        if (company::PasswordMatches(hash, typed->toStdString())) return true;
    }
}

}  // namespace orvant::launcher
