#include "store/layout_upgrade.h"

#include <algorithm>

#include "store/tables/catalog.h"

namespace orvant::store {

namespace {

std::string lowered(std::string name)
{
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name;
}

// A field added to rows already there that their other fields tell the value of: the ledgers'
// holdback flag, which earlier books kept in the entry's type alone; cheque lines of earlier
// books never paid a holdback.
struct FieldFill {
    const char* table;
    const char* field;
    const char* value;  // an SQL expression over the row
};
constexpr FieldFill kFills[] = {
    {"car", "car_holdback", "car_type = '6'"},
    {"carh", "car_holdback", "car_type = '6'"},
    {"cap", "cap_holdback", "cap_type = '6'"},
    {"caph", "cap_holdback", "cap_type = '6'"},
    {"apchqd", "apchqd_holdback", "FALSE"},
    {"recchqd", "apchqd_holdback", "FALSE"},
};

void fillAdded(Connection& connection, const std::string& sqlName, const std::string& field)
{
    for (const FieldFill& fill : kFills)
        if (sqlName == fill.table && field == fill.field)
            connection.execute("UPDATE " + quoteIdent(sqlName) + " SET " + quoteIdent(field) + " = (" + fill.value + ")");
}

void upgradeTable(Connection& connection, const TableDef& def, const std::string& sqlName)
{
    const std::vector<StoredColumn> stored = connection.storedColumns(sqlName);
    for (const FieldDef& field : def.fields) {
        const std::string name = lowered(field.name);
        const auto column = std::find_if(stored.begin(), stored.end(), [&](const StoredColumn& c) { return c.name == name; });
        if (column == stored.end()) {
            connection.execute(connection.addColumnSql(sqlName, field));
            fillAdded(connection, sqlName, name);
            continue;
        }
        const int declared = field.width > 0 ? field.width : kDefaultStringWidth;
        if (field.type == FieldType::String && column->width > 0 && column->width < declared)
            if (auto widen = connection.widenColumnSql(sqlName, field)) connection.execute(*widen);
    }
}

// Tables declared since the first books were made. A company directory of earlier books (the
// one holding the control record) gains them empty, so that what reads them finds them.
constexpr const char* kAddedCompanyTables[] = {"fahdr", "fadet", "fahdra", "fadeta", "ivprod"};

void addMissingCompanyTables(Connection& connection)
{
    if (!connection.tableExists(sqlTableName("ctrl"))) return;
    for (const char* name : kAddedCompanyTables) {
        const std::string sqlName = sqlTableName(name);
        if (connection.tableExists(sqlName)) continue;
        for (const std::string& statement : connection.createTableSql(*findTable(name), sqlName))
            connection.execute(statement);
    }
}

}  // namespace

void UpgradeStoredLayout(Connection& connection)
{
    if (connection.layoutVersion() >= kLayoutVersion) return;
    connection.begin();
    try {
        connection.lockLayout();
        if (connection.layoutVersion() < kLayoutVersion) {
            // Work tables are made anew for each session; the others keep their rows.
            for (const TableDef& def : allTables()) {
                if (def.perSession) continue;
                const std::string sqlName = sqlTableName(def.name);
                if (connection.tableExists(sqlName)) upgradeTable(connection, def, sqlName);
            }
            addMissingCompanyTables(connection);
            connection.setLayoutVersion(kLayoutVersion);
        }
        connection.commit();
    } catch (...) {
        connection.rollback();
        throw;
    }
}

}  // namespace orvant::store
