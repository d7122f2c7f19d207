#pragma once
// The tracker databases of a company (`trkdb.db`), listed under Tracker, Open database; the one
// chosen there is the `LedgerCode` of every tracker option.

#include <QString>
#include <vector>

#include "store/database.h"

namespace orvant::launcher {

struct TrackerDatabase {
    int account = 0;  // Trkdb_account
    QString name;     // Trkdb_name: the menu entry's caption
    int type = 0;     // Trkdb_type
};

// In `Trkdb_account` order. A company without `trkdb.db` gets it, empty.
std::vector<TrackerDatabase> LoadTrackerDatabases(store::Database& company);

}  // namespace orvant::launcher
