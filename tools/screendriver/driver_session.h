#pragma once
// The session a driven screen runs in, made as the launcher makes it after a sign-in: the data
// root, the company with its name from the companies table, the user, the language with its
// code from the languages table, a session number of its own and the program directory.

#include <QString>
#include <memory>

#include "session/session.h"
#include "store/session_number.h"

namespace orvant::screendriver {

struct SessionRequest {
    QString dataRoot;
    int company = 1;
    QString user;
    int language = 1;
};

class DriverSession {
public:
    // Refuses (company::SetupError) a data root that is not set up, a company or a language it
    // does not have.
    explicit DriverSession(const SessionRequest& request);

    const Session& session() const { return session_; }

private:
    Session session_;
    std::unique_ptr<store::SessionLease> lease_;  // holds the session number while the screen runs
};

}  // namespace orvant::screendriver
