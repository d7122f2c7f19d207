#include "driver_session.h"

#include <QDir>

#include "company/company_creation.h"
#include "settings/paths.h"
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

}  // namespace

DriverSession::DriverSession(const SessionRequest& request)
{
    const Registry registry = Registry::open();
    const company::Installation installation{cleanRoot(request.dataRoot), StoreChoice(registry)};
    const auto root = company::OpenDataRoot(installation);

    session_.dataRoot = installation.dataRoot;
    session_.companyCode = std::to_string(request.company);
    session_.companyName = lookUp(*root, "comp", request.company, "Comp_Name", "company " + session_.companyCode);
    session_.userId = session_.userName = request.user.toStdString();
    session_.language = request.language;
    session_.langCode = lookUp(*root, "Languages", request.language, "LangCode", "language " + std::to_string(request.language));
    session_.programDir = ProgramDir(registry).toStdString();
    lease_ = store::SessionLease::acquire(installation.dataRoot, installation.store);
    session_.sessionNo = lease_->number();
}

}  // namespace orvant::screendriver
