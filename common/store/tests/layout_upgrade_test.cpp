// Books made by an earlier version of the suite: opened again, their tables gain the fields
// declared since and, where the engine keeps widths, their wider text fields; rows already there
// keep their values, and a field their other fields tell is filled in (a holdback entry is
// flagged). Once upgraded, a directory is not upgraded again.

#include "store/layout_upgrade.h"
#include "store/tables/catalog.h"
#include "store_fixture.h"

namespace orvant::store::test {
namespace {

using LayoutUpgradeTest = StoreTest;
ORVANT_ON_EVERY_ENGINE(LayoutUpgradeTest);

// The client ledger as an earlier version declared it: no holdback flag, a user ten wide.
TableDef earlierLedger()
{
    TableDef def = *findTable("car");
    std::erase_if(def.fields, [](const FieldDef& f) { return f.name == "Car_holdback"; });
    for (FieldDef& f : def.fields)
        if (f.name == "Car_user") f.width = 10;
    return def;
}

// Cheque lines as an earlier version declared them: no holdback flag, nor in their index.
TableDef earlierChequeLines()
{
    TableDef def = *findTable("apchqd");
    std::erase_if(def.fields, [](const FieldDef& f) { return f.name == "Apchqd_holdback"; });
    for (IndexDef& index : def.indexes) std::erase(index.fields, std::string("Apchqd_holdback"));
    return def;
}

TEST_P(LayoutUpgradeTest, an_earlier_ledger_gains_the_fields_declared_since_and_keeps_its_rows)
{
    {
        auto books = std::make_unique<Database>("earlier", root_->companyDir(2), root_->config(), true);
        books->createTable(earlierLedger());
        Table ledger(*books, earlierLedger());
        ledger.open();
        ledger.insert();
        ledger.field("Car_client") = std::string("ABC100");
        ledger.field("Car_invoice") = std::string("A1");
        ledger.field("Car_amount") = Money::fromUnits(115);
        ledger.field("Car_user") = std::string("Admin");
        ledger.post();
        ledger.insert();
        ledger.field("Car_client") = std::string("ABC100");
        ledger.field("Car_invoice") = std::string("A1");
        ledger.field("Car_type") = std::string("6");
        ledger.field("Car_amount") = Money::fromUnits(10);
        ledger.post();
        books->createTable(earlierChequeLines());
        Table lines(*books, earlierChequeLines());
        lines.open();
        lines.insert();
        lines.field("Apchqd_seq") = 1;
        lines.field("Apchqd_invoice") = std::string("A1");
        lines.post();
        books->connection().begin();
        books->connection().setLayoutVersion(0);  // as books made before versions were kept
        books->connection().commit();
    }

    Database books("upgraded", root_->companyDir(2), root_->config());
    EXPECT_EQ(books.connection().layoutVersion(), kLayoutVersion);
    Table ledger(books, "car");
    ledger.open();
    int rows = 0;
    for (ledger.first(); !ledger.eof(); ledger.next(), ++rows) {
        const bool holdback = ledger.field("Car_type").asString() == "6";
        EXPECT_EQ(ledger.field("Car_amount").asMoney(), Money::fromUnits(holdback ? 10 : 115)) << "the rows already there are kept";
        EXPECT_EQ(ledger.field("Car_holdback").asBool(), holdback) << "earlier books told a holdback by its type alone";
    }
    EXPECT_EQ(rows, 2);
    ledger.insert();
    ledger.field("Car_client") = std::string("ABC100");
    ledger.field("Car_invoice") = std::string("A1");
    ledger.field("Car_holdback") = true;
    ledger.field("Car_user") = std::string(kUserNameWidth, 'x');
    EXPECT_NO_THROW(ledger.post()) << "a whole user name fits";

    Table lines(books, "apchqd");
    lines.open();
    lines.first();
    ASSERT_TRUE(lines.hasRecord());
    EXPECT_FALSE(lines.field("Apchqd_holdback").isNull()) << "a cheque line of earlier books paid an invoice";
    EXPECT_FALSE(lines.field("Apchqd_holdback").asBool());

    // Opened again, nothing is done twice.
    EXPECT_NO_THROW(Database("again", root_->companyDir(2), root_->config()));
}

// A company directory of earlier books (it holds the control record) gains the tables declared
// since, empty; the data root gains none.
TEST_P(LayoutUpgradeTest, earlier_company_books_gain_the_tables_declared_since)
{
    const struct {
        std::string directory;
        bool company;
    } rows[] = {{root_->companyDir(3), true}, {root_->path(), false}};
    for (const auto& row : rows) {
        Database earlier("earlier", row.directory, root_->config(), true);
        if (row.company) earlier.createTable("ctrl");
        earlier.connection().begin();
        earlier.connection().setLayoutVersion(3);
        earlier.connection().commit();
    }
    for (const auto& row : rows) {
        Database books("upgraded", row.directory, root_->config());
        for (const char* table : {"fahdr", "fadet", "fahdra", "fadeta", "ivprod"})
            EXPECT_EQ(books.tableExists(table), row.company) << row.directory << " " << table;
    }
}

}  // namespace
}  // namespace orvant::store::test
