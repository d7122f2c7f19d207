#pragma once
// Who is working: the user found by the password typed at login, and the launcher's session
// made from that user, the registry and the company chosen.

#include <QString>
#include <optional>

#include "company/users.h"
#include "session/user_session.h"
#include "store/database.h"

namespace orvant::launcher {

struct PasswordAnswer {
    QString password;
    bool standardDesktop = false;  // "Use Standard Desktop": the user's saved desktop is not restored
};

// The password dialog; nothing when the user chose Cancel.
class PasswordPrompt {
public:
    virtual ~PasswordPrompt() = default;
    virtual std::optional<PasswordAnswer> ask() = 0;
};

struct LoginOutcome {
    enum Result { LoggedIn, Cancelled, NoUsers } result = Cancelled;
    company::User user;
    bool standardDesktop = false;
};

// With one user and DisplayPW not "Y" that user is taken without a question; otherwise the
// password is asked until it is a user's (no message for a wrong one) or the user cancels.
// An empty user table is NoUsers: nobody can work, and nothing is asked.
LoginOutcome Login(store::Database& dataRoot, bool alwaysAskPassword, PasswordPrompt& prompt);

}  // namespace orvant::launcher
