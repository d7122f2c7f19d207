#include "driver_session.h"

#include <QDir>

#include "company/company_creation.h"
#include "company/users.h"
#include "session/user_session.h"
#include "settings/store_choice.h"
#include "store/table.h"

namespace orvant::screendriver {

namespace {

// A field of the data root's record with that key; SetupError naming `what` when there is none.
std::string lookUp(store::Database& root, const char* table, int key, const char* field, const std::string& what)
{
    store::Table records(root, table);
    records.open();
    if (!records.findKey({key})) throw company::SetupError("The data root has no " + what + ".");
    return records.field(field).asString();
}

// ".../data/" and ".../data" are the same root; the company's directory is the root + the code.
std::string cleanRoot(const QString& dataRoot) { return QDir::cleanPath(QDir(dataRoot).absolutePath()).toStdString(); }

company::User signedIn(store::Database& root, const SessionRequest& request)
{
    if (!request.password.isEmpty()) {
        if (auto user = company::FindUserByPassword(root, request.password.toStdString())) return *user;
        throw company::SetupError("No user has that password.");
    }
    if (auto user = company::FindUserByCode(root, request.userCode.toStdString())) return *user;
    throw company::SetupError("The data root has no user " + request.userCode.toStdString() + ".");
}

}  // namespace

DriverSession::DriverSession(const SessionRequest& request)
{
    const Registry registry = Registry::open();
    const company::Installation installation{cleanRoot(request.dataRoot), StoreChoice(registry)};
    const auto root = company::OpenDataRoot(installation);
    const company::User user = signedIn(*root, request);

    lease_ = store::SessionLease::acquire(installation.dataRoot, installation.store);
    session_ = SessionForUser(registry, *root, user, lease_->number());
    session_.dataRoot = installation.dataRoot;
    if (request.company) {
        session_.companyCode = std::to_string(*request.company);
        session_.companyName = lookUp(*root, "comp", *request.company, "Comp_Name", "company " + session_.companyCode);
    } else {
        lookUp(*root, "comp", user.company, "Comp_Name", "company " + session_.companyCode + " (the user's)");
    }
    if (request.language) {
        session_.language = *request.language;
        session_.langCode = lookUp(*root, "Languages", *request.language, "LangCode", "language " + std::to_string(*request.language)).substr(0, 2);
    }
}

}  // namespace orvant::screendriver
