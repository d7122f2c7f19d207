#pragma once
// Entering another company: its own company a user enters freely; another company with a
// password only once the password is typed exactly (as many tries as the user wants, without a
// message for a wrong one, until Cancel).

#include <QString>
#include <optional>

#include "store/database.h"

namespace orvant::launcher {

// The company password dialog; nothing when the user chose Cancel.
class CompanyPasswordPrompt {
public:
    virtual ~CompanyPasswordPrompt() = default;
    virtual std::optional<QString> ask() = 0;
};

// Whether the user may enter company `candidate`; false too when the company does not exist.
bool MayEnterCompany(store::Database& dataRoot, int candidate, int usersCompany, CompanyPasswordPrompt& prompt);

}  // namespace orvant::launcher
