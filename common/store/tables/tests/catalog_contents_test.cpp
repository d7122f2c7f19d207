#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>

#include "declared.h"
#include "store/tables/catalog.h"

namespace orvant::store {
namespace {

using catalog_test::declared;
using catalog_test::fieldNames;
using catalog_test::fieldOf;

std::vector<std::string> namesOf(const std::vector<const TableDef*>& tables)
{
    std::vector<std::string> names;
    for (const TableDef* table : tables) names.push_back(table->name);
    return names;
}

bool contains(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// --- the catalog as a whole ---

// Each table declared once, each field once in it with a width where it is bounded; keys spell
// their fields exactly as declared (a backend that quotes names is case-sensitive) and never key
// on a memo; records agreeing on every other key field stay apart by the number the store gives
// them, so a numbered table's key ends with its one number.
TEST(Catalog, EveryTableIsDeclaredOnceAndKeysItsOwnFields)
{
    std::set<std::pair<std::string, bool>> tables;
    for (const TableDef& table : allTables()) {
        EXPECT_TRUE(tables.insert({canonicalTableName(table.name), table.perSession}).second) << table.name;
        if (table.perSession) {
            EXPECT_EQ(table.home, TableHome::Company) << table.name;
        }
        std::set<std::string> fields;
        std::vector<std::string> numbers;
        for (const FieldDef& field : table.fields) {
            EXPECT_TRUE(fields.insert(canonicalTableName(field.name)).second) << table.name << "." << field.name;
            if (field.type == FieldType::String || field.type == FieldType::Bytes) {
                EXPECT_GE(field.width, 1) << table.name << "." << field.name;
            }
            if (field.type == FieldType::AutoInc) numbers.push_back(field.name);
        }
        EXPECT_LE(numbers.size(), 1u) << table.name;
        if (!numbers.empty()) {
            EXPECT_TRUE(!table.primaryKey.empty() && table.primaryKey.back() == numbers.front()) << table.name;
        }

        std::vector<std::pair<std::string, std::vector<std::string>>> keys = {{"primary key", table.primaryKey}};
        std::set<std::string> indexNames;
        for (const IndexDef& index : table.indexes) {
            EXPECT_FALSE(index.fields.empty()) << table.name << " index " << index.name;
            EXPECT_TRUE(indexNames.insert(canonicalTableName(index.name)).second) << table.name << " " << index.name;
            keys.push_back({"index " + index.name, index.fields});
        }
        const auto names = fieldNames(table);
        for (const auto& [what, keyFields] : keys) {
            std::set<std::string> seen;
            for (const std::string& name : keyFields) {
                EXPECT_TRUE(contains(names, name)) << table.name << " " << what << " names " << name;
                EXPECT_TRUE(seen.insert(name).second) << table.name << " " << what << " repeats " << name;
                if (contains(names, name)) {
                    EXPECT_NE(fieldOf(table, name).type, FieldType::Memo) << table.name << " keys on memo " << name;
                }
            }
        }
    }
}

// Only the print copies of the cheque list take the base name of a shared table; any other
// overlap would hide one table behind the other.
TEST(Catalog, SharesBaseNamesOnlyBetweenTheChequeListAndItsPrintCopies)
{
    std::set<std::string> shared;
    std::set<std::string> overlapping;
    for (const TableDef& table : allTables())
        if (!table.perSession) shared.insert(canonicalTableName(table.name));
    for (const TableDef& table : allTables())
        if (table.perSession && shared.count(canonicalTableName(table.name))) overlapping.insert(table.name);
    EXPECT_EQ(overlapping, (std::set<std::string>{"apchqh", "apchqd"}));
}

TEST(Catalog, DeclaresTheTablesTheBooksName)
{
    const std::vector<std::string> shared = {
        "ctrl",      "cli",       "sup",      "glm",         "taxrates",    "taxratesP",   "Periods",     "slsm",
        "arterms",   "arterr",    "comp",     "user",        "Languages",   "apps",        "trkdb",       "Desktop",
        "virmem",    "car",       "cap",      "carh",        "caph",        "arori",       "apori",       "crorihdr",
        "croridet",  "cdorihdr",  "cdoridet", "tjlh",        "tjld",        "gla",         "taxrep",      "taxrepP",
        "concil",    "jcProject", "jcPhase",  "jcBudgetHdr", "jcBudgetDet", "JcElem",      "jcTrans",     "jcctrl",
        "apchqh",    "apchqd",    "apchVAT",  "recchqh",     "recchqd",     "RecChVAT",    "apchqfrm",    "apchqfrm1",
        "apchqfrm2", "ApchqFrm4", "cvndundo", "glundoap",    "aporidel",    "cdorihdrdel", "cdoridetdel", "ivctrl",
        "Fafrm1",    "fahdr",     "fadet",    "fahdra",      "fadeta",      "ivprod"};
    for (const std::string& name : shared) {
        const TableDef table = declared(name);
        EXPECT_EQ(table.name, name);
        EXPECT_FALSE(table.perSession) << name;
        EXPECT_FALSE(table.fields.empty()) << name;
    }
    for (const std::string name :
         {"VatTmp", "CaxJC", "artmp", "aptmp", "cxtmp", "car_temp", "apchqdtmp", "Cartmp", "Captmp"}) {
        const TableDef table = declared(name);
        EXPECT_EQ(table.name, name);
        EXPECT_TRUE(table.perSession) << name;
    }
}

// --- where the tables lie ---

TEST(TableHomes, DataRootHoldsTheTablesSharedByAllCompanies)
{
    const auto dataRoot = namesOf(tablesOf(TableHome::DataRoot));
    const std::set<std::string> expected = {"comp", "user",   "Desktop", "Languages",
                                            "apps", "virmem", "arterms", "arterr"};
    EXPECT_EQ(std::set<std::string>(dataRoot.begin(), dataRoot.end()), expected);
    EXPECT_EQ(dataRoot.size(), expected.size());
}

// The company directory holds the shared tables the data root does not, in declaration order.
TEST(TableHomes, CompanyDirectoryHoldsEverythingElseButTheWorkTables)
{
    std::vector<const TableDef*> expected;
    for (const TableDef& table : allTables())
        if (table.home == TableHome::Company && !table.perSession) expected.push_back(&table);
    EXPECT_EQ(tablesOf(TableHome::Company), expected);
    const auto company = namesOf(expected);
    for (const char* name : {"ctrl", "cli", "car", "tjlh", "apchqh", "trkdb", "jcTrans", "cvndundo"})
        EXPECT_TRUE(contains(company, name)) << name;
}

// --- keys ---

using Names = std::vector<std::string>;

// Headers end with their number and keep the document order; lines sit under their header; the
// ledgers walk one party invoice by invoice in posting order; work tables follow their use.
TEST(Keys, EachTableKeysItsRecordsInTheOrderItsReadersWalkThem)
{
    const std::vector<std::pair<std::string, Names>> keys = {
        {"arori", {"Reference", "Client", "Date", "Seq"}},
        {"crorihdr", {"Reference", "Client", "Date", "Seq"}},
        {"apori", {"Reference", "Supplier", "Date", "Seq"}},
        {"cdorihdr", {"Reference", "Supplier", "Date", "Seq"}},
        {"aporidel", {"Reference", "Supplier", "Date", "Seq"}},
        {"cdorihdrdel", {"Reference", "Supplier", "Date", "Seq"}},
        {"croridet", {"Reference", "Client", "Date", "Header_seq", "Seq"}},
        {"cdoridet", {"Reference", "Supplier", "Date", "Header_seq", "Seq"}},
        {"car", {"Car_client", "Car_invoice", "Car_seq"}},
        {"carh", {"Car_client", "Car_invoice", "Car_seq"}},
        {"cap", {"Cap_supplier", "Cap_invoice", "Cap_seq"}},
        {"caph", {"Cap_supplier", "Cap_invoice", "Cap_seq"}},
        {"tjlh", {"Tjlh_period", "Tjlh_journal", "Tjlh_reference", "Tjlh_date"}},
        {"taxrep", {"TaxRep_Code", "TaxRep_Reference", "TaxRep_Inc"}},
        {"taxrepP", {"TaxRep_Code", "TaxRep_Reference", "TaxRep_Inc"}},
        {"VatTmp", {}},  // rows kept in entry order by the store
        {"artmp", {}},
        {"Cartmp", {"Cartmp_client", "Cartmp_invoice", "cartmp_ref", "Cartmp_date", "Cartmp_type", "Cartmp_seq"}}};
    for (const auto& [table, key] : keys) EXPECT_EQ(declared(table).primaryKey, key) << table;
}

TEST(Keys, IndexesFindRecordsByTheFieldsTheirReadersHold)
{
    struct Row {
        std::string table, index;
        Names fields;
        std::optional<bool> unique;
    };
    const Row rows[] = {{"arori", "ByDocument", {"Reference", "Client", "Date"}, false},
                        {"crorihdr", "ByDocument", {"Reference", "Client", "Date"}, false},
                        {"apori", "ByDocument", {"Reference", "Supplier", "Date"}, false},
                        {"cdorihdr", "ByDocument", {"Reference", "Supplier", "Date"}, false},
                        {"aporidel", "ByDocument", {"Reference", "Supplier", "Date"}, false},
                        {"cdorihdrdel", "ByDocument", {"Reference", "Supplier", "Date"}, false},
                        {"car", "ByStatement", {"Car_client", "Car_invoice", "Car_ref", "Car_date", "Car_type"}, {}},
                        {"caph", "ByReference", {"Cap_supplier", "Cap_ref", "Cap_date"}, {}},
                        {"taxrep", "ByCodeReferenceTypeDate", {"TaxRep_Code", "TaxRep_Reference", "TaxRep_TypeCode", "TaxRep_Date"}, true},
                        {"taxrepP", "ByCodeReferenceTypeDate", {"TaxRep_Code", "TaxRep_Reference", "TaxRep_TypeCode", "TaxRep_Date"}, true},
                        {"car_temp", "Invoice", {"Car_invoice"}, {}}};
    for (const Row& row : rows) {
        const TableDef table = declared(row.table);
        const IndexDef* index = table.findIndex(row.index);
        ASSERT_NE(index, nullptr) << row.table << " " << row.index;
        EXPECT_EQ(index->fields, row.fields) << row.table << " " << row.index;
        if (row.unique) {
            EXPECT_EQ(index->unique, *row.unique) << row.table << " " << row.index;
        }
    }
}

TEST(Keys, JournalLinesShareTheFirstFourFieldsOfTheirHeader)
{
    const TableDef header = declared("tjlh");
    const TableDef line = declared("tjld");
    ASSERT_EQ(line.primaryKey.size(), 5u);
    EXPECT_EQ(line.primaryKey.back(), "Tjld_autoinc");
    for (std::size_t i = 0; i < 4; ++i) {
        const FieldDef h = fieldOf(header, header.primaryKey[i]);
        const FieldDef l = fieldOf(line, line.primaryKey[i]);
        EXPECT_EQ(h.type, l.type) << h.name;
        EXPECT_EQ(h.width, l.width) << h.name;
    }
}

// --- layouts ---

// A record that says who posted or changed it holds the user's whole name, as the session
// carries it; a desktop row names its user by code.
TEST(FieldWidths, EveryFieldThatNamesAUserHoldsTheWholeName)
{
    const auto namesAUser = [](std::string name) {
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
        return name == "user" || name.ends_with("_user");
    };
    int checked = 0;
    for (const TableDef& table : allTables()) {
        for (const FieldDef& field : table.fields) {
            if (!namesAUser(field.name) || field.name == "Desktop_user") continue;
            EXPECT_EQ(field.width, kUserNameWidth) << table.name << "." << field.name;
            ++checked;
        }
    }
    EXPECT_GE(checked, 10) << "car, cap, tjlh, the documents, the masters, jcTrans and their copies";
}

// Amounts are money and rates float; text declared without a width holds twenty characters;
// a document of one ledger holds its own party's fields and not the other's.
TEST(Fields, EachFieldKeepsItsDeclaredTypeWidthAndFlag)
{
    struct Row {
        std::string table, field;
        std::optional<FieldType> type = {};
        std::optional<int> width = {};
        std::optional<bool> required = {};
        bool absent = false;
    };
    const auto money = FieldType::Money, rate = FieldType::Float;
    const Row rows[] = {
        {"car", "Car_amount", money},        {"cap", "Cap_amount", money},        {"cli", "Cli_current_bal", money},
        {"tjld", "Tjld_debit", money},       {"arori", "Credit15", money},        {"VatTmp", "TaxAmount", money},
        {"VatTmp", "TotalAmount", money},    {"apchVAT", "TaxAmount", money},     {"RecChVAT", "TotalAmount", money},
        {"virmem", "Curr_36", money},        {"jcTrans", "JcTrans_Taux", money},  {"apchqh", "Apchqh_dist10", money},
        {"taxrates", "TaxRates_Rate", rate}, {"ctrl", "Ctrl_fed_rate", rate},     {"ctrl", "Ctrl_curr4_rate", rate},
        {"cli", "Cli_discount", rate},       {"VatTmp", "Rate", rate},            {"slsm", "Slsm_taux1", rate},
        {.table = "glundoap", .field = "Gla_reference", .width = 20},
        {.table = "Languages", .field = "LangName", .width = 20},
        {.table = "cli", .field = "Cli_code", .required = true},
        {.table = "cli", .field = "Cli_name", .required = false},
        {.table = "glm", .field = "Glm_summarize", .required = true},
        {.table = "user", .field = "User_company", .required = true},
        {.table = "user", .field = "User_detail", .required = false},
        {.table = "trkdb", .field = "Trkdb_type", .required = true},
        {.table = "apchqdtmp", .field = "Apchqd_seq", .required = true},
        {.table = "apchqd", .field = "Apchqd_seq", .required = false},
        {"arori", "Direct_cash_sale"},       {"apori", "Direct_cash_purchase"},   {"apori", "PO"},
        {"crorihdr", "Nsf_cheque"},          {"cdorihdr", "Account20"},
        {.table = "arori", .field = "PO", .absent = true},
        {.table = "cdorihdr", .field = "Nsf_cheque", .absent = true},
        {.table = "arori", .field = "Account16", .absent = true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.table + "." + row.field);
        const TableDef table = declared(row.table);
        if (row.absent) {
            EXPECT_LT(table.fieldIndex(row.field), 0);
            continue;
        }
        const FieldDef field = fieldOf(table, row.field);
        EXPECT_EQ(field.type, row.type.value_or(field.type));
        EXPECT_EQ(field.width, row.width.value_or(field.width));
        EXPECT_EQ(field.required, row.required.value_or(field.required));
    }
}

TEST(FieldOrder, FamiliesFollowOneAnotherInRecordOrder)
{
    const TableDef control = declared("ctrl");
    EXPECT_EQ(control.fieldIndex("Ctrl_sales_accnt8") - control.fieldIndex("Ctrl_sales_accnt1"), 7);
    EXPECT_EQ(control.fieldIndex("Ctrl_cr_accnt1"), control.fieldIndex("Ctrl_sales_accnt8") + 1);
    EXPECT_EQ(control.fieldIndex("Ctrl_curr1_rate"), control.fieldIndex("Ctrl_curr1_name") + 1);
    EXPECT_EQ(control.fieldIndex("Ctrl_curr2_name"), control.fieldIndex("Ctrl_curr1_sign") + 1);
    EXPECT_EQ(control.fields.front().name, "Ctrl_record_no");
    EXPECT_EQ(control.fields.back().name, "Ctrl_TaxSystem");

    const TableDef document = declared("arori");
    EXPECT_EQ(document.fieldIndex("Debit1"), document.fieldIndex("Account15") + 1);
    EXPECT_EQ(document.fieldIndex("Credit1"), document.fieldIndex("Debit15") + 1);

    const TableDef scratch = declared("virmem");
    EXPECT_EQ(scratch.fields.size(), 38u);
    EXPECT_EQ(scratch.fields.back().name, "Curr_36");
}

// Records move between these tables field by field, so their layouts must stay the same; a copy
// may only add fields of its own after them.
TEST(SharedLayouts, CopiesKeepTheLayoutOfTheirOriginal)
{
    const std::vector<std::pair<std::string, std::string>> pairs = {{"car", "carh"},
                                                                    {"cap", "caph"},
                                                                    {"apori", "aporidel"},
                                                                    {"cdorihdr", "cdorihdrdel"},
                                                                    {"cdoridet", "cdoridetdel"},
                                                                    {"apchqh", "recchqh"},
                                                                    {"apchqh", "apchqh7"},
                                                                    {"apchqd", "recchqd"},
                                                                    {"apchqd", "apchqd5"},
                                                                    {"apchVAT", "RecChVAT"},
                                                                    {"taxrates", "taxratesP"},
                                                                    {"taxrep", "taxrepP"}};
    for (const auto& [original, copy] : pairs) {
        const TableDef a = declared(original);
        const TableDef b = declared(copy);
        ASSERT_LE(a.fields.size(), b.fields.size()) << original << " / " << copy;
        for (std::size_t i = 0; i < a.fields.size(); ++i) {
            EXPECT_EQ(a.fields[i].name, b.fields[i].name) << copy;
            EXPECT_EQ(a.fields[i].type, b.fields[i].type) << copy << "." << b.fields[i].name;
            EXPECT_EQ(a.fields[i].width, b.fields[i].width) << copy << "." << b.fields[i].name;
        }
    }
}

// A printed cheque line adds what the cheque's stub shows to the line's own fields.
TEST(SharedLayouts, PrintedLinesAddTheStubToTheChequeLines)
{
    const auto printed = fieldNames(declared("apchqd5"));
    for (const char* stub : {"ChequeNum", "SuppCode", "SuppName", "ChequeDate", "CompName", "ChequeAmt"})
        EXPECT_TRUE(contains(printed, stub)) << stub;
}

}  // namespace
}  // namespace orvant::store
