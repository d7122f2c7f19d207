#include "company/demo_company.h"

#include "company/company_creation.h"
#include "company/record.h"
#include "dates/date.h"
#include "money/money.h"

namespace orvant::company {

using store::Table;
using namespace demo;

namespace {

// Types are stored in words; their first letter gives the displayed type in either language.
void addAccounts(Table& accounts)
{
    struct Row { int number; const char* description; const char* type; };
    const Row chart[] = {
        {kBank, "Bank", "Asset"},
        {kReceivable, "Accounts receivable", "Asset"},
        {kHoldbackReceivable, "Holdbacks receivable", "Asset"},
        {1200, "Inventory", "Asset"},
        {kPayable, "Accounts payable", "Liability"},
        {kFederalTax, "Federal sales tax", "Liability"},
        {kProvincialTax, "Provincial sales tax", "Liability"},
        {kHoldbackPayable, "Holdbacks payable", "Liability"},
        {3000, "Capital", "Capital"},
        {kRetainedEarnings, "Retained earnings", "Capital"},
        {kSales, "Sales", "Revenue"},
        {kServices, "Services", "Revenue"},
        {kFreightCharged, "Freight charged", "Revenue"},
        {kPurchases, "Purchases", "Expense"},
        {kRent, "Rent", "Expense"},
        {kOfficeSupplies, "Office supplies", "Expense"},
        {5300, "Telephone", "Expense"},
        {kBankCharges, "Bank charges", "Expense"},
    };
    for (const Row& row : chart)
        addRecord(accounts, {{"Glm_account", row.number},
                             {"Glm_Description", row.description},
                             {"Glm_type", row.type},
                             {"Glm_summarize", "N"},
                             {"Glm_currency", 0}});
}

void pointControlAtAccounts(Table& control)
{
    control.first();
    control.edit();
    control.field("Ctrl_fed_tax_no") = "123456789 RT0001";
    control.field("Ctrl_pro_tax_no") = "1234567890 TQ0001";
    control.field("Ctrl_fed_rate") = kFederalRate;
    control.field("Ctrl_pro_rate1") = kProvincialRate;
    control.field("Ctrl_ar_accnt") = kReceivable;
    control.field("Ctrl_ap_accnt") = kPayable;
    control.field("Ctrl_fed_tax_accnt") = kFederalTax;
    control.field("Ctrl_Pro_tax_accnt") = kProvincialTax;
    control.field("Ctrl_pro_tax_accnt1") = kProvincialTax;
    control.field("Ctrl_bank_accnt1") = kBank;
    control.field("Ctrl_general_sales_accnt") = kSales;
    const int sales[] = {kSales, kServices, kFreightCharged, kSales, kSales, kSales, kSales, kSales};
    const int purchases[] = {kPurchases, kRent, kOfficeSupplies, kBankCharges, kPurchases, kPurchases, kPurchases, kPurchases};
    for (int i = 1; i <= 8; ++i) {
        const std::string n = std::to_string(i);
        control.field("Ctrl_sales_accnt" + n) = sales[i - 1];
        control.field("Ctrl_cr_accnt" + n) = i == 1 ? kBank : i == 2 ? kBankCharges : sales[i - 1];
        control.field("Ctrl_ap_purch_accnt" + n) = purchases[i - 1];
        control.field("Ctrl_ap_disb_accnt" + n) = purchases[i - 1];
    }
    control.field("Ctrl_ar_invoiceno") = 1001;
    control.field("Ctrl_pl_name1") = "Regular";
    control.field("Ctrl_pl_name2") = "Wholesale";
    control.post();
}

void addTaxRates(Table& rates)
{
    addRecord(rates, {{"TaxRates_Code", 1}, {"TaxRates_Description", "GST"}, {"TaxRates_Rate", kFederalRate}, {"TaxRates_Account", kFederalTax}});
    addRecord(rates, {{"TaxRates_Code", 2}, {"TaxRates_Description", "QST"}, {"TaxRates_Rate", kProvincialRate}, {"TaxRates_Account", kProvincialTax}});
}

void addSalesmen(Table& salesmen)
{
    addRecord(salesmen, {{"Slsm_code", "JD"}, {"Slsm_nom", "Julie Dubois"}, {"Slsm_taux1", 3.0}});
    addRecord(salesmen, {{"Slsm_code", "MT"}, {"Slsm_nom", "Marc Tremblay"}, {"Slsm_taux1", 2.5}});
    addRecord(salesmen, {{"Slsm_code", "SL"}, {"Slsm_nom", "Sarah Lee"}, {"Slsm_taux1", 2.0}});
}

struct Party {
    const char* code;
    const char* name;
    const char* city;
    const char* province;
    const char* postalCode;
    const char* language;  // "1" English, "2" French
    const char* territory;
};

void addClients(Table& clients)
{
    const Party parties[] = {
        {"ABC100", "ABC Construction Ltd.", "Montréal", "QC", "H2X 1Y4", "2", "N"},
        {"BEL200", "Bélanger et fils inc.", "Québec", "QC", "G1R 2B5", "2", "E"},
        {"HAR300", "Harbour Marine Supply", "Halifax", "NS", "B3H 1A1", "1", "E"},
        {"NOR400", "Northern Lights Café", "Sudbury", "ON", "P3E 2C6", "1", "N"},
        {"WES500", "Westmount Dental Clinic", "Westmount", "QC", "H3Z 1A1", "1", "W"},
    };
    const char* reps[] = {"JD", "MT", "SL", "JD", "MT"};
    int i = 0;
    for (const Party& p : parties) {
        addRecord(clients, {{"Cli_code", p.code}, {"Cli_name", p.name}, {"Cli_city", p.city}, {"Cli_prov", p.province}, {"Cli_postal_code", p.postalCode},
                            {"Cli_country", "Canada"}, {"Cli_language", p.language}, {"Cli_terr", p.territory},
                            {"Cli_salesrep", reps[i++]}, {"Cli_terms", 1}, {"Cli_du_days", 30}, {"Cli_tax_fed", true},
                            {"Cli_tax_pro", true}, {"Cli_credit_limit", 10000}, {"Cli_price_list", 1},
                            {"Cli_currency", 0}, {"Cli_current_bal", Money()}, {"Cli_accnt1", kSales},
                            {"Cli_copies", 1}, {"Cli_credit_hold", false}, {"Cli_date_created", Date::today()}});
    }
}

void addSuppliers(Table& suppliers)
{
    const Party parties[] = {
        {"BUR100", "Bureau Plus", "Laval", "QC", "H7N 5H9", "2", "N"},
        {"HYD200", "Hydro Services", "Montréal", "QC", "H2Z 1A4", "2", "W"},
        {"MAP300", "Maple Leaf Lumber", "Ottawa", "ON", "K1P 5J2", "1", "W"},
        {"TEL400", "TeleNorth Communications", "Toronto", "ON", "M5V 3L9", "1", "S"},
    };
    const int accounts[] = {kOfficeSupplies, kRent, kPurchases, 5300};
    int i = 0;
    for (const Party& p : parties) {
        addRecord(suppliers, {{"Sup_code", p.code}, {"Sup_name", p.name}, {"Sup_city", p.city}, {"Sup_prov", p.province}, {"Sup_postal_code", p.postalCode},
                              {"Sup_country", "Canada"}, {"Sup_language", p.language}, {"Sup_terr", p.territory},
                              {"Sup_du_days", 30}, {"Sup_currency", 0}, {"Sup_bank_account", static_cast<int>(kBank)},
                              {"Sup_current_bal", Money()}, {"Sup_accnt1", accounts[i++]}, {"Sup_copies", 1},
                              {"Sup_date_created", Date::today()}});
    }
}

}  // namespace

void MakeDemoCompany(const Installation& installation, int company)
{
    if (!CompanyExists(installation, company)) CreateCompany(installation, company, kDemoCompanyName);
    const auto books = OpenCompany(installation, company);
    Table accounts(*books, "glm");
    accounts.open();
    if (!accounts.isEmpty())
        throw SetupError("Company " + std::to_string(company) + " has accounts already; the demo fills only a new company.");

    store::Transaction transaction(*books);
    addAccounts(accounts);
    Table control(*books, "ctrl");
    control.open();
    pointControlAtAccounts(control);
    for (const char* name : {"taxrates", "taxratesP"}) {
        Table rates(*books, name);
        rates.open();
        addTaxRates(rates);
    }
    const std::pair<const char*, void (*)(Table&)> fillings[] = {{"slsm", addSalesmen}, {"cli", addClients}, {"sup", addSuppliers}};
    for (const auto& [name, fill] : fillings) {
        Table table(*books, name);
        table.open();
        fill(table);
    }
    Table formats(*books, "Fafrm1");
    formats.open();
    addRecord(formats, {{"Name", "Standard invoice"}});
    // The price lists of the larger edition, beyond the control record's five.
    Table invoicing(*books, "ivctrl");
    invoicing.open();
    addRecord(invoicing, {{"Ivctrl_pl_name6", "Export"}});
    transaction.commit();

    const auto root = OpenDataRoot(installation);
    Table companies(*root, "comp");
    companies.open();
    if (companies.findKey({company})) {
        companies.edit();
        companies.field("Comp_Ret_Earn_accnt") = static_cast<int>(kRetainedEarnings);
        companies.post();
    }
}

}  // namespace orvant::company
