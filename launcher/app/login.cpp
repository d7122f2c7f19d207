#include "login.h"

#include "company/passwords.h"
#include "store/table.h"

namespace orvant::launcher {

LoginOutcome Login(store::Database& dataRoot, bool alwaysAskPassword, PasswordPrompt& prompt)
{
    store::Table users(dataRoot, "user");
    users.open();
    const auto count = users.recordCount();
    if (count == 0) return {LoginOutcome::NoUsers, {}, false};
    if (count == 1 && !alwaysAskPassword) return {LoginOutcome::LoggedIn, company::ListUsers(dataRoot).front(), false};
    for (;;) {
        const auto answer = prompt.ask();
        if (!answer) return {LoginOutcome::Cancelled, {}, false};
        if (auto user = company::FindUserByPassword(dataRoot, answer->password.left(company::kPasswordLength).toStdString()))
            return {LoginOutcome::LoggedIn, *user, answer->standardDesktop};
    }
}

}  // namespace orvant::launcher
