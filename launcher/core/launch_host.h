#pragma once
// What the launcher's window gives the launch of an option: the state a launch reads, the texts
// of its message list, and what it redraws once a module has returned.

#include <QString>
#include <QStringList>

#include "session/session.h"
#include "store/database.h"

namespace orvant::launcher {

enum class WindowTitle { Welcome, AfterToolsMaintenance };

class LaunchHost {
public:
    virtual ~LaunchHost() = default;

    // The session the next module receives. A launch gives the module its own copy with the
    // option's `LedgerCode`, and clears `LedgerCode` here once the module has returned.
    virtual Session& session() = 0;
    // The current company's database, where the payroll and job-cost tables are looked for.
    virtual store::Database& companyDatabase() = 0;
    // The chosen tracker database's `Trkdb_account` as decimal text; empty until one is chosen.
    virtual QString selectedTrackerDatabase() const = 0;
    // `DllList`: the codes of the options the user may run.
    virtual QStringList runnableCodes() const = 0;
    // Line `number` of `Error_Messages`, in the current language.
    virtual QString errorMessage(int number) const = 0;

    virtual void refreshCompanies() = 0;              // `comp.db` read again
    virtual void rebuildCompanyMenu() = 0;            // the companies may have changed
    virtual void rebuildTrackerMenu() = 0;            // a tracker database was created
    virtual void reapplyInternationalSettings() = 0;  // `intl` of the `Settings` section read again
    virtual void reloadToolsMenu() = 0;               // `apps.DB` may have changed
    virtual void refreshWindow() = 0;
    virtual void refreshTitle(WindowTitle title) = 0;
};

}  // namespace orvant::launcher
