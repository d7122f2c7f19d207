#include <gtest/gtest.h>

#include <stdexcept>

#include "declared.h"
#include "store/tables/catalog.h"

namespace orvant::store {
namespace {

using catalog_test::declared;

TEST(FindTable, AcceptsAnyCaseWithOrWithoutExtension)
{
    for (const char* name : {"ctrl", "ctrl.DB", "CTRL", "Ctrl.db", "ctrl.Db"}) {
        const auto table = findTable(name);
        ASSERT_TRUE(table.has_value()) << name;
        EXPECT_EQ(table->name, "ctrl") << name;
    }
    EXPECT_EQ(declared("LANGUAGES.db").name, "Languages");  // the declared case is kept
    EXPECT_EQ(declared("apps.DB").name, "apps");
    EXPECT_EQ(declared("TAXRATESP").name, "taxratesP");
}

TEST(FindTable, TellsApartNamesThatDifferOnlyByASuffix)
{
    EXPECT_EQ(declared("taxrates").name, "taxrates");
    EXPECT_EQ(declared("taxratesp.db").name, "taxratesP");
    EXPECT_EQ(declared("taxrep").name, "taxrep");
    EXPECT_EQ(declared("taxrepP").name, "taxrepP");
    EXPECT_EQ(declared("car").name, "car");
    EXPECT_EQ(declared("carh").name, "carh");
}

TEST(FindTable, RefusesUnknownNames)
{
    EXPECT_FALSE(findTable("").has_value());
    EXPECT_FALSE(findTable(".db").has_value());
    EXPECT_FALSE(findTable("nosuchtable").has_value());
    EXPECT_FALSE(findTable("ctrl.dbx").has_value());
    EXPECT_FALSE(findTable("7").has_value());
}

TEST(FindWorkTable, NamesTheDeclarationAfterTheSession)
{
    const TableDef vat = declared("VatTmp7");
    EXPECT_EQ(vat.name, "VatTmp7");
    EXPECT_TRUE(vat.perSession);
    EXPECT_GE(vat.fieldIndex("TotalAmount"), 0);

    EXPECT_EQ(declared("vattmp12.DB").name, "VatTmp12");
    EXPECT_EQ(declared("CAXJC3").name, "CaxJC3");
    EXPECT_EQ(declared("car_temp1").name, "car_temp1");
    EXPECT_EQ(declared("Cartmp0").name, "Cartmp0");
}

TEST(FindWorkTable, FindsTheBaseNameAlone)
{
    const TableDef vat = declared("VatTmp");
    EXPECT_EQ(vat.name, "VatTmp");
    EXPECT_TRUE(vat.perSession);
    EXPECT_EQ(declared("apchqdtmp.db").name, "apchqdtmp");
}

TEST(FindWorkTable, NeverSplitsASharedTable)
{
    EXPECT_FALSE(findTable("cli7").has_value());
    EXPECT_FALSE(findTable("ctrl12.db").has_value());
    EXPECT_FALSE(findTable("apchqfrm12").has_value());

    for (const char* name : {"apchqfrm1", "apchqfrm2", "ApchqFrm4", "Fafrm1"}) {
        const TableDef table = declared(name);
        EXPECT_EQ(table.name, name);
        EXPECT_FALSE(table.perSession) << name;
    }
}

TEST(FindWorkTable, RefusesNumbersALauncherNeverWrites)
{
    for (const char* name : {"VatTmp07", "VatTmp-1", "VatTmp+1", "VatTmp2147483648", "VatTmp99999999999", "VatTmp7x"})
        EXPECT_FALSE(findTable(name).has_value()) << name;
    EXPECT_EQ(declared("VatTmp2147483647").name, "VatTmp2147483647");
}

// The cheque list and the print copies of one session share their base names.
TEST(FindWorkTable, KeepsTheChequeListApartFromItsPrintCopies)
{
    const TableDef list = declared("apchqd");
    const TableDef printed = declared("apchqd7");
    EXPECT_FALSE(list.perSession);
    EXPECT_TRUE(printed.perSession);
    EXPECT_EQ(printed.name, "apchqd7");
    EXPECT_LT(list.fieldIndex("ChequeNum"), 0);
    EXPECT_GE(printed.fieldIndex("ChequeNum"), 0);

    EXPECT_FALSE(declared("apchqh.DB").perSession);
    EXPECT_TRUE(declared("APCHQH3.DB").perSession);
}

TEST(FindWorkTable, EveryWorkTableRoundTripsThroughItsSessionName)
{
    for (const TableDef& table : allTables()) {
        if (!table.perSession) continue;
        const std::string name = workTableName(table.name, 42);
        const auto found = findTable(name + ".DB");
        ASSERT_TRUE(found.has_value()) << name;
        EXPECT_EQ(found->name, name);
        EXPECT_EQ(found->fields.size(), table.fields.size()) << name;
    }
}

TEST(FindTable, FindsEverySharedTableUnderItsOwnName)
{
    for (const TableDef& table : allTables()) {
        if (table.perSession) continue;
        const auto found = findTable(table.name);
        ASSERT_TRUE(found.has_value()) << table.name;
        EXPECT_EQ(found->name, table.name);
        EXPECT_FALSE(found->perSession) << table.name;
    }
}

TEST(WorkTableName, AppendsTheDecimalSessionNumber)
{
    EXPECT_EQ(workTableName("VatTmp", 7), "VatTmp7");
    EXPECT_EQ(workTableName("car_temp", 120), "car_temp120");
    EXPECT_EQ(workTableName("CaxJC", 0), "CaxJC0");
    EXPECT_THROW(workTableName("VatTmp", -1), std::invalid_argument);
}

}  // namespace
}  // namespace orvant::store
