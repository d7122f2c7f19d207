#pragma once
// The session a driven screen runs in, made by the launcher's own function from the user's
// record: the user found by code or by the password typed at login, the user's company and
// language unless the run switches them as the launcher's menus would, a session number of its
// own.

#include <QString>
#include <memory>
#include <optional>

#include "session/session.h"
#include "store/session_number.h"

namespace orvant::screendriver {

struct SessionRequest {
    QString dataRoot;
    QString userCode;                // the user with this code, unless a password is given
    QString password;                // the user whose password this is, as typed at login
    std::optional<int> company;      // another company, as chosen from the Company menu
    std::optional<int> language;     // another language, as chosen from the Language menu
};

class DriverSession {
public:
    // Refuses (company::SetupError) a data root that is not set up, a user, company or language
    // it does not have.
    explicit DriverSession(const SessionRequest& request);

    const Session& session() const { return session_; }

private:
    Session session_;
    std::unique_ptr<store::SessionLease> lease_;  // holds the session number while the screen runs
};

}  // namespace orvant::screendriver
