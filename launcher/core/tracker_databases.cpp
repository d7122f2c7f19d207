#include "core/tracker_databases.h"

#include "store/table.h"

namespace orvant::launcher {

std::vector<TrackerDatabase> LoadTrackerDatabases(store::Database& company)
{
    if (!company.tableExists("trkdb")) company.createTable("trkdb");
    store::Table databases(company, "trkdb");
    databases.open();
    std::vector<TrackerDatabase> found;
    for (databases.first(); !databases.eof(); databases.next())
        found.push_back({static_cast<int>(databases.field("Trkdb_account").asInt()),
                         QString::fromStdString(databases.field("Trkdb_name").asString()),
                         static_cast<int>(databases.field("Trkdb_type").asInt())});
    return found;
}

}  // namespace orvant::launcher
