#include <gtest/gtest.h>

#include <stdexcept>

#include "store/schema.h"

namespace orvant::store {
namespace {

using namespace fields;

TEST(FieldBuilders, TextWithoutAWidthHoldsTwentyCharacters)
{
    EXPECT_EQ(Str("Cli_user").width, kDefaultStringWidth);
    EXPECT_EQ(kDefaultStringWidth, 20);
    EXPECT_EQ(Str("Cli_code", 10).width, 10);
}

TEST(FieldBuilders, KeepTypeWidthAndRequiredFlag)
{
    const FieldDef code = Str("Cli_code", 10, Req);
    EXPECT_EQ(code.type, FieldType::String);
    EXPECT_TRUE(code.required);
    EXPECT_FALSE(Str("Cli_name", 60).required);

    EXPECT_EQ(Small("User_language", Req).type, FieldType::SmallInt);
    EXPECT_TRUE(Small("User_language", Req).required);
    EXPECT_EQ(Cash("Car_amount").type, FieldType::Money);
    EXPECT_EQ(Float("TaxRates_Rate").type, FieldType::Float);
    EXPECT_EQ(Memo("Car_memo", 200).width, 200);
    EXPECT_EQ(Bytes("User_security", 200).width, 200);
    EXPECT_EQ(AutoInc("Car_seq").type, FieldType::AutoInc);
    EXPECT_EQ(Day("Car_date").width, 0);
}

TEST(FieldBuilders, RefuseWidthsThatHoldNothing)
{
    EXPECT_THROW(Str("Car_client", 0), std::invalid_argument);
    EXPECT_THROW(Bytes("User_security", 0), std::invalid_argument);
    EXPECT_THROW(Memo("Car_memo", -1), std::invalid_argument);
    EXPECT_THROW(Int(""), std::invalid_argument);
}

TEST(FieldFamilies, NumberTheirMembersInRecordOrder)
{
    const auto family = Family("Ctrl_sales_accnt", 1, 8, [](std::string n) { return Int(std::move(n)); });
    ASSERT_EQ(family.size(), 8u);
    EXPECT_EQ(family.front().name, "Ctrl_sales_accnt1");
    EXPECT_EQ(family.back().name, "Ctrl_sales_accnt8");

    const auto names = Family(
        "Ctrl_curr", 2, 3, [](std::string n) { return Str(std::move(n), 30); }, "_name");
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0].name, "Ctrl_curr2_name");
    EXPECT_EQ(names[1].width, 30);
}

TEST(FieldLists, KeepSingleFieldsAndFamiliesInTheOrderGiven)
{
    FieldList list{Int("Session_id")};
    list << Bool("Session_lock") << Family("Curr_", 1, 2, [](std::string n) { return Cash(std::move(n)); })
         << Int("Last");
    const std::vector<FieldDef> taken = list.take();
    ASSERT_EQ(taken.size(), 5u);
    EXPECT_EQ(taken[0].name, "Session_id");
    EXPECT_EQ(taken[2].name, "Curr_1");
    EXPECT_EQ(taken[3].name, "Curr_2");
    EXPECT_EQ(taken[4].name, "Last");
}

TEST(TableDefLookups, FindFieldsAndIndexesInAnyCase)
{
    TableDef table;
    table.name = "glm";
    table.fields = {Int("Glm_account"), Str("Glm_Description", 60)};
    table.indexes = {IndexDef{"ByDescription", {"Glm_Description"}, false}};

    EXPECT_EQ(table.fieldIndex("Glm_Description"), 1);
    EXPECT_EQ(table.fieldIndex("glm_description"), 1);
    EXPECT_EQ(table.fieldIndex("Glm_descriptio"), -1);
    EXPECT_EQ(table.fieldIndex(""), -1);

    ASSERT_NE(table.findIndex("bydescription"), nullptr);
    EXPECT_EQ(table.findIndex("bydescription")->fields.front(), "Glm_Description");
    EXPECT_EQ(table.findIndex("ByAccount"), nullptr);
}

TEST(TableDefLookups, KnowWhetherTheStoreNumbersRecords)
{
    TableDef ledger;
    ledger.fields = {Str("Car_client", 10), AutoInc("Car_seq")};
    TableDef work;
    work.fields = {Str("Description", 40), Int("Type")};
    EXPECT_TRUE(ledger.hasAutoInc());
    EXPECT_FALSE(work.hasAutoInc());
}

TEST(TableNames, CompareWithoutCaseOrExtension)
{
    EXPECT_EQ(canonicalTableName("ctrl.DB"), "ctrl");
    EXPECT_EQ(canonicalTableName("CTRL"), "ctrl");
    EXPECT_EQ(canonicalTableName("Languages.Db"), "languages");
    EXPECT_EQ(canonicalTableName("VatTmp7.db"), "vattmp7");
    EXPECT_TRUE(sameName("ctrl.DB", "CTRL"));
    EXPECT_TRUE(sameName("taxratesP", "TAXRATESP.db"));
    EXPECT_FALSE(sameName("taxrates", "taxratesP"));
}

TEST(TableNames, RemoveOnlyOneTrailingExtension)
{
    EXPECT_EQ(canonicalTableName("odd.db.db"), "odd.db");
    EXPECT_EQ(canonicalTableName("apps.dbx"), "apps.dbx");
    EXPECT_EQ(canonicalTableName("my.dbtable"), "my.dbtable");
    EXPECT_EQ(canonicalTableName(".db"), ".db");  // an extension alone is not a table name to strip
    EXPECT_EQ(canonicalTableName(""), "");
}

}  // namespace
}  // namespace orvant::store
