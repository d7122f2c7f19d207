#pragma once
// The Tools menu: the rows of `apps.DB` in the data root, each a module or a separate program
// that users add to the menu, enabled by the right of a menu option they name.

#include <QString>
#include <vector>

#include "options/rights.h"
#include "store/database.h"

namespace orvant::launcher {

struct ToolsEntry {
    QString name, nameFrench;    // Application_name, Application_name_fr
    QString code;                // Application_pgm: the library, or the program without ".exe"
    QString about, aboutFrench;  // Application_about, Application_about_fr: the hints
    QString security;            // Application_security: the option whose right governs the entry
    bool module = true;          // Application_type: a module library, else a separate program
    QString directory;           // Application_directory: a program's working directory

    QString caption(int language) const { return language == 2 ? nameFrench : name; }
    QString hint(int language) const { return language == 2 ? aboutFrench : about; }
};

// The rows in table order. A data root without `apps.DB` gets it, holding the entry of the
// tools maintenance.
std::vector<ToolsEntry> LoadToolsEntries(store::Database& dataRoot);

// Enabled exactly when the option its `security` names is, that option looked for in every
// controlled menu but the tracker's; an entry that names no such option is for the users
// holding every right.
bool ToolsEntryEnabled(const ToolsEntry& entry, const UserSecurity& rights);

}  // namespace orvant::launcher
