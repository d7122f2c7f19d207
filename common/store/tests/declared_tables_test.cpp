// Every declared table is created from its declaration, on both engines, in its own home.

#include "store/tables/catalog.h"
#include "store_fixture.h"

namespace orvant::store::test {
namespace {

using DeclaredTablesTest = StoreTest;

// A value every field of its type accepts, so one row fills each column of a declared table.
Value sampleFor(const FieldDef& f)
{
    switch (f.type) {
    case FieldType::String:
    case FieldType::Memo:
    case FieldType::Bytes: return Value("x");
    case FieldType::Integer:
    case FieldType::SmallInt: return Value(1);
    case FieldType::Float: return Value(1.5);
    case FieldType::Money: return Value(*Money::parse("12.34"));
    case FieldType::Boolean: return Value(true);
    case FieldType::Date: return Value(*Date::fromYmd(2026, 12, 7));
    case FieldType::Timestamp: return Value(DateTime::now());
    case FieldType::AutoInc: return Value();
    }
    return Value();
}
ORVANT_ON_EVERY_ENGINE(DeclaredTablesTest);

TEST_P(DeclaredTablesTest, every_table_is_created_opened_and_written)
{
    Database root("root", root_->path(), root_->config(), true);
    for (const TableDef& declared : allTables()) {
        SCOPED_TRACE(declared.name);
        Database& db = declared.home == TableHome::DataRoot ? root : *db_;
        const std::string name = declared.perSession ? workTableName(declared.name, 7) : declared.name + ".db";
        db.createTable(name);
        ASSERT_TRUE(db.tableExists(name));

        Table t(db, name);
        t.open();
        EXPECT_EQ(t.fieldCount(), static_cast<int>(declared.fields.size()));
        t.insert();
        for (int i = 0; i < t.fieldCount(); ++i) t.field(i) = sampleFor(declared.fields[static_cast<std::size_t>(i)]);
        t.post();
        EXPECT_EQ(t.recordCount(), 1);
        t.first();
        for (int i = 0; i < t.fieldCount(); ++i) {
            const FieldDef& f = declared.fields[static_cast<std::size_t>(i)];
            if (f.type == FieldType::AutoInc || f.type == FieldType::Timestamp) EXPECT_FALSE(t.field(i).isNull()) << f.name;
            else EXPECT_EQ(t.field(i).value(), sampleFor(f)) << f.name;
        }
        for (const IndexDef& index : declared.indexes) EXPECT_NO_THROW(t.setIndex(index.name)) << index.name;
    }
}

}  // namespace
}  // namespace orvant::store::test
