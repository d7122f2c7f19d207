#include "company/company_creation.h"


#include "company/record.h"
#include "dates/date.h"
#include "store/database.h"
#include "store/tables/catalog.h"

namespace orvant::company {

using store::Table;

namespace {

constexpr int kNameWidth = 60;

std::size_t characterCount(const std::string& utf8)
{
    std::size_t n = 0;
    for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
    return n;
}

void checkRequest(int company, const std::string& name)
{
    if (company < 1 || company > kLastCompanyNumber)
        throw SetupError("A company number runs from 1 to " + std::to_string(kLastCompanyNumber) + ".");
    if (name.empty()) throw SetupError("A company needs a name.");
    if (characterCount(name) > kNameWidth)
        throw SetupError("A company name holds at most " + std::to_string(kNameWidth) + " characters.");
}

// A year of twelve periods, January first, with the current month as every ledger's period.
void addControlRecord(Table& control)
{
    const int month = Date::today().month();
    control.insert();
    control.field("Ctrl_record_no") = 1;
    control.field("Ctrl_date_fmt") = 0;
    control.field("Ctrl_periods") = 12;
    for (const char* period : {"Ctrl_gl_period", "Ctrl_ar_period", "Ctrl_ap_period", "Ctrl_fa_period"})
        control.field(period) = month;
    for (const char* flag : {"Ctrl_eom_gl", "Ctrl_eom_ar", "Ctrl_eom_ap", "Ctrl_eom_fa", "Ctrl_eom_pa", "Ctrl_ar_histo",
                             "Ctrl_ap_histo", "Ctrl_IncludeAp", "Ctrl_Manual_Numbering", "Ctrl_Manual_Numbering_O",
                             "Ctrl_Manual_Numbering_Q"})
        control.field(flag) = false;
    control.field("Ctrl_ar_invoiceno") = 1;
    control.field("Ctrl_fa_invoice") = 1;
    control.field("Ctrl_fa_order") = 1;
    control.field("Ctrl_fa_quote") = 1;
    control.field("Ctrl_fa_backorder") = 1;
    for (int i = 1; i <= 5; ++i) control.field("Ctrl_ap_chqno" + std::to_string(i)) = 1;
    // The aging columns: current, then 30 days a column.
    const char* const columns[] = {"Current", "31-60", "61-90", "91-120", "Over 120"};
    for (int i = 1; i <= 5; ++i) {
        const std::string n = std::to_string(i);
        control.field("Ctrl_ar_days" + n) = 30 * i;
        control.field("Ctrl_ap_days" + n) = 30 * i;
        control.field("Ctrl_ar_dname" + n) = columns[i - 1];
        control.field("Ctrl_ap_dname" + n) = columns[i - 1];
    }
    control.field("Ctrl_ArCopies") = 1;
    control.field("Ctrl_ApCopies") = 1;
    control.field("Ctrl_TaxSystem") = 0;
    control.post();
}

void addPeriods(Table& periods)
{
    const char* const months[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};
    for (int n = 1; n <= 12; ++n) addRecord(periods, {{"Period_no", n}, {"Period_mth", months[n - 1]}});
}

void makeCompanyDirectory(const Installation& installation, int company)
{
    store::Database books("company", installation.companyDir(company), installation.store, true);
    store::Transaction transaction(books);
    for (const store::TableDef* def : store::tablesOf(store::TableHome::Company)) books.createTable(def->name);
    Table control(books, "ctrl");
    control.open();
    addControlRecord(control);
    Table periods(books, "Periods");
    periods.open();
    addPeriods(periods);
    transaction.commit();
}

}  // namespace

std::unique_ptr<store::Database> OpenDataRoot(const Installation& installation)
{
    try {
        auto root = std::make_unique<store::Database>("root", installation.dataRoot, installation.store, false);
        if (root->tableExists("comp")) return root;
    } catch (const store::StoreError& e) {
        if (e.code() != store::errc::kDirectoryNotFound) throw;
    }
    throw SetupError("The data root " + installation.dataRoot + " is not set up: run init first.");
}

std::unique_ptr<store::Database> OpenCompany(const Installation& installation, int company)
{
    if (!CompanyExists(installation, company)) throw SetupError("There is no company " + std::to_string(company) + ".");
    return std::make_unique<store::Database>("company", installation.companyDir(company), installation.store, false);
}

bool CompanyExists(const Installation& installation, int company)
{
    const auto root = OpenDataRoot(installation);
    Table companies(*root, "comp");
    companies.open();
    if (companies.findKey({company})) return true;
    // A directory left by a creation that stopped half-way counts too: it is not overwritten.
    try {
        store::Database books("company", installation.companyDir(company), installation.store, false);
        return books.tableExists("ctrl");
    } catch (const store::StoreError& e) {
        if (e.code() != store::errc::kDirectoryNotFound) throw;
        return false;
    }
}

void CreateCompany(const Installation& installation, int company, const std::string& name)
{
    checkRequest(company, name);
    if (CompanyExists(installation, company)) throw SetupError("Company " + std::to_string(company) + " exists already.");
    makeCompanyDirectory(installation, company);
    // The company is listed last, so a listed company always has its tables.
    const auto root = OpenDataRoot(installation);
    Table companies(*root, "comp");
    companies.open();
    addRecord(companies, {{"Comp_Code", company}, {"Comp_Name", name}});
}

}  // namespace orvant::company
