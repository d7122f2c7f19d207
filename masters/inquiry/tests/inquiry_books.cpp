#include "inquiry_books.h"

#include <string>

#include "company/record.h"
#include "store/table.h"
#include "store/database.h"

namespace orvant::inquiry::testing {

using company::addRecord;
using store::Table;
using store::Value;

namespace {

Date day(int year, int month, int dayOfMonth) { return *Date::fromYmd(year, month, dayOfMonth); }
DateTime at(Date date, int hour, int minute) { return DateTime(date, (hour * 60 + minute) * 60 * 1000); }
Money cents(std::int64_t amount) { return Money::fromCents(amount); }

void addClients(store::Database& books)
{
    Table cli(books, "cli");
    cli.open();
    struct Row {
        const char* code;
        const char* name;
        const char* city;
        std::int64_t balance;
        Date created;
        DateTime stamp;
        bool hold;
    };
    const Row rows[] = {
        {"C100", "O'Brien", "Montréal", 25000, day(2024, 2, 28), at(day(2024, 3, 15), 9, 30), false},
        {"C200", "Garage 50% Plus", "Laval", 150000, day(2024, 3, 14), at(day(2024, 3, 14), 17, 0), true},
        {"C300", "ÉMILE CÔTÉ", "Québec", 10000, day(2024, 3, 15), at(day(2024, 3, 16), 8, 0), false},
        {"C400", "Axb 500 Garage", "Montreal", 10001, day(2024, 3, 16), DateTime(), true},
        {"C500", "A_B Garage", "Sherbrooke", -2000, day(2023, 12, 31), DateTime(), false},
    };
    for (const Row& r : rows)
        addRecord(cli, {{"Cli_code", r.code}, {"Cli_name", r.name}, {"Cli_city", r.city}, {"Cli_tel", "514-555-0100"},
                        {"Cli_current_bal", cents(r.balance)}, {"Cli_date_created", r.created}, {"Cli_stamp", r.stamp},
                        {"Cli_credit_hold", r.hold}, {"Cli_terms", 2}, {"Cli_salesrep", "JD"}});
    addRecord(cli, {{"Cli_code", "C600"}, {"Cli_name", "Émilie Roy"}});
}

void addSuppliers(store::Database& books)
{
    Table sup(books, "sup");
    sup.open();
    struct Row {
        const char* code;
        const char* name;
        const char* city;
        Date created;
        std::int64_t balance;
    };
    const Row rows[] = {
        {"S100", "Belmont Supply", "Belmont", day(2001, 12, 31), 6000},
        {"S200", "Fremont Parts", "Fremont", day(2002, 2, 28), 0},
        {"S300", "Montréal Énergie", "Montréal", day(2002, 3, 14), 0},
        {"S400", "Quebec Steel", "Québec", day(2002, 3, 15), 0},
        {"S500", "Rimouski Wood", "Rimouski", day(2002, 3, 16), 0},
    };
    for (const Row& r : rows)
        addRecord(sup, {{"Sup_code", r.code}, {"Sup_name", r.name}, {"Sup_city", r.city}, {"Sup_tel", "418-555-0100"},
                        {"Sup_date_created", r.created}, {"Sup_current_bal", cents(r.balance)},
                        {"Sup_bank_account", 1000}, {"Sup_currency", 0}});
}

void addAccountsAndControl(store::Database& books)
{
    Table glm(books, "glm");
    glm.open();
    const std::pair<int, const char*> chart[] = {{1000, "Bank"},        {1100, "Accounts receivable"},
                                                 {2100, "Accounts payable"}, {4000, "Sales"},
                                                 {5000, "Purchases"}};
    for (const auto& [number, description] : chart)
        addRecord(glm, {{"Glm_account", number}, {"Glm_Description", description}, {"Glm_summarize", "N"}});
    for (int n = 5101; n <= 5113; ++n)
        addRecord(glm, {{"Glm_account", n}, {"Glm_Description", "Expense " + std::to_string(n)}, {"Glm_summarize", "N"}});

    Table ctrl(books, "ctrl");
    ctrl.open();
    ctrl.first();
    ctrl.edit();
    ctrl.field("Ctrl_ar_histo") = true;
    ctrl.field("Ctrl_ap_histo") = true;
    ctrl.field("Ctrl_pmt_name1") = "Cash";
    ctrl.field("Ctrl_pmt_name2") = "Cheque";
    ctrl.post();

    Table slsm(books, "slsm");
    slsm.open();
    addRecord(slsm, {{"Slsm_code", "JD"}, {"Slsm_nom", "Jean Dubois"}});
}

void addClientEntry(Table& ledger, const char* client, const char* invoice, const char* ref, const char* type, Date date,
                    std::int64_t amount)
{
    addRecord(ledger, {{"Car_client", client}, {"Car_invoice", invoice}, {"Car_ref", ref}, {"Car_type", type},
                       {"Car_date", date}, {"Car_du_date", date.addDays(30)}, {"Car_amount", cents(amount)}});
}

void addSupplierEntry(Table& ledger, const char* supplier, const char* invoice, const char* ref, const char* type,
                      Date date, std::int64_t amount)
{
    addRecord(ledger, {{"Cap_supplier", supplier}, {"Cap_invoice", invoice}, {"Cap_ref", ref}, {"Cap_type", type},
                       {"Cap_date", date}, {"Cap_du_date", date.addDays(30)}, {"Cap_amount", cents(amount)}});
}

// A two-line document: `amount` debited to the first account and credited to the second.
void addDocument(Table& documents, const char* partyField, const char* party, const char* reference,
                 const char* drCrReference, const char* type, Date date, int debited, int credited, std::int64_t amount)
{
    addRecord(documents, {{"Reference", reference}, {partyField, party}, {"Date", date}, {"Due_date", date.addDays(30)},
                          {"Trx_type", type}, {"Dr_cr_reference", drCrReference}, {"Comments", "Entered for the tests"},
                          {"Account1", debited}, {"Debit1", cents(amount)}, {"Account2", credited},
                          {"Credit2", cents(amount)}, {"User", "Tester"}, {"Stamp", at(date, 10, 0)}});
}

// A payment header of two lines and its one applied invoice.
void addPayment(store::Database& books, const char* headers, const char* details, const char* partyField,
                const char* party, const char* reference, Date date, int debited, int credited, const char* invoice,
                Date invoiceDate, std::int64_t invoiceAmount, std::int64_t paid)
{
    Table header(books, headers);
    header.open();
    addRecord(header, {{"Reference", reference}, {partyField, party}, {"Date", date}, {"Comments", "Paid in part"},
                       {"Account1", debited}, {"Debit1", cents(paid)}, {"Account2", credited},
                       {"Credit2", cents(paid)}, {"User", "Tester"}, {"Stamp", at(date, 11, 0)}});
    Table detail(books, details);
    detail.open();
    addRecord(detail, {{"Reference", reference}, {partyField, party}, {"Date", date},
                       {"Header_seq", header.field("Seq").value()}, {"Invoice", invoice},
                       {"Invoice_date", invoiceDate}, {"Invoice_due_date", invoiceDate.addDays(30)},
                       {"Invoice_amount", cents(invoiceAmount)}, {"Invoice_payment", cents(paid)}});
}

// Purchase A1: fourteen expense lines and the payable, 100.00 on each side.
void addFifteenLinePurchase(Table& apori)
{
    const Date date = day(2026, 1, 5);
    apori.insert();
    for (const auto& [name, value] : company::FieldValues{
             {"Reference", "A1"}, {"Supplier", "S100"}, {"Date", date}, {"Due_date", date.addDays(30)},
             {"Trx_type", "1"}, {"Direct_cash_purchase", false}, {"Comments", "Supplies for the spring"},
             {"Account1", 5000}, {"Debit1", cents(900)}, {"Account15", 2100}, {"Credit15", cents(10000)},
             {"User", "Tester"}, {"Stamp", at(date, 9, 0)}})
        apori.field(name) = value;
    for (int row = 2; row <= 14; ++row) {
        apori.field("Account" + std::to_string(row)) = 5099 + row;
        apori.field("Debit" + std::to_string(row)) = cents(700);
    }
    apori.post();
}

void addInvoiceLine(Table& lines, const std::string& prefix, const char* invoice, const char* client, int line,
                    const char* code, const char* item, const char* description, double quantity, std::int64_t price,
                    std::int64_t total, std::int64_t cost)
{
    addRecord(lines, {{(prefix + "_doc").c_str(), "1"}, {(prefix + "_invoice").c_str(), invoice},
                      {(prefix + "_client").c_str(), client}, {(prefix + "_line").c_str(), line},
                      {(prefix + "_code").c_str(), code}, {(prefix + "_item").c_str(), item},
                      {(prefix + "_description").c_str(), description}, {(prefix + "_qty_ordered").c_str(), quantity},
                      {(prefix + "_qty").c_str(), quantity}, {(prefix + "_price").c_str(), cents(price)},
                      {(prefix + "_total").c_str(), cents(total)}, {(prefix + "_cost").c_str(), cents(cost)}});
}

void addClientBooks(store::Database& books)
{
    Table car(books, "car");
    car.open();
    addClientEntry(car, "C100", "1001", "", "1", day(2026, 1, 10), 50000);
    addClientEntry(car, "C100", "1001", "R1", "2", day(2026, 1, 20), -20000);
    addClientEntry(car, "C100", "1001", "R2", "5", day(2026, 1, 25), -5000);
    addClientEntry(car, "C200", "1001", "", "1", day(2026, 2, 1), 150000);
    addClientEntry(car, "C300", "3001", "", "1", day(2026, 2, 10), 10000);
    Table carh(books, "carh");
    carh.open();
    addClientEntry(carh, "C100", "0900", "", "1", day(2025, 6, 1), 12000);
    addClientEntry(carh, "C100", "0900", "P0900", "2", day(2025, 6, 15), -12000);

    Table arori(books, "arori");
    arori.open();
    addDocument(arori, "Client", "C100", "1001", "", "1", day(2026, 1, 10), 1100, 4000, 50000);
    addDocument(arori, "Client", "C100", "1001", "R2", "5", day(2026, 1, 25), 4000, 1100, 5000);
    addDocument(arori, "Client", "C100", "0900", "", "1", day(2025, 6, 1), 1100, 4000, 12000);
    addPayment(books, "crorihdr", "croridet", "Client", "C100", "R1", day(2026, 1, 20), 1000, 1100, "1001",
               day(2026, 1, 10), 50000, 20000);
}

void addSupplierBooks(store::Database& books)
{
    Table cap(books, "cap");
    cap.open();
    addSupplierEntry(cap, "S100", "A1", "", "1", day(2026, 1, 5), 10000);
    addSupplierEntry(cap, "S100", "A1", "1001", "2", day(2026, 1, 15), -5000);
    addSupplierEntry(cap, "S100", "A2", "", "1", day(2026, 1, 20), 1000);
    Table caph(books, "caph");
    caph.open();
    addSupplierEntry(caph, "S100", "H1", "", "1", day(2025, 5, 1), 7500);
    addSupplierEntry(caph, "S100", "H1", "9001", "2", day(2025, 5, 20), -7500);

    Table apori(books, "apori");
    apori.open();
    addFifteenLinePurchase(apori);
    addDocument(apori, "Supplier", "S100", "A2", "", "1", day(2026, 1, 20), 5000, 2100, 1000);
    addDocument(apori, "Supplier", "S100", "H1", "", "1", day(2025, 5, 1), 5000, 2100, 7500);
    addPayment(books, "cdorihdr", "cdoridet", "Supplier", "S100", "1001", day(2026, 1, 15), 2100, 1000, "A1",
               day(2026, 1, 5), 10000, 5000);
}

void addInvoices(store::Database& books)
{
    Table fahdr(books, "fahdr");
    fahdr.open();
    addRecord(fahdr, {{"Fahdr_doc", "1"}, {"Fahdr_invoice", "3001"}, {"Fahdr_client", "C300"},
                      {"Fahdr_date", day(2026, 2, 10)}, {"Fahdr_due_date", day(2026, 2, 25)}, {"Fahdr_order", "O-77"}, {"Fahdr_po", "PO-9"},
                      {"Fahdr_salesrep", "JD"}, {"Fahdr_terms", 2}, {"Fahdr_sales", cents(10000)},
                      {"Fahdr_cost", cents(3600)}, {"Fahdr_tax1", cents(500)}, {"Fahdr_tax2", cents(998)}, {"Fahdr_total", cents(11498)}, {"Fahdr_pmt1", cents(6000)},
                      {"Fahdr_pmt3", cents(4000)}});
    Table fadet(books, "fadet");
    fadet.open();
    addInvoiceLine(fadet, "Fadet", "3001", "C300", 1, "", "", "Spring delivery", 0, 0, 0, 0);
    addInvoiceLine(fadet, "Fadet", "3001", "C300", 2, "S", "SERVICE", "Installation", 1, 4000, 4000, 0);
    addInvoiceLine(fadet, "Fadet", "3001", "C300", 3, "P", "WIDGET", "Widget", 2, 3000, 6000, 3600);

    Table fahdra(books, "fahdra");
    fahdra.open();
    addRecord(fahdra, {{"Fahdra_doc", "1"}, {"Fahdra_invoice", "1001"}, {"Fahdra_client", "C200"},
                       {"Fahdra_date", day(2026, 2, 1)}, {"Fahdra_due_date", day(2026, 2, 16)}, {"Fahdra_terms", 2},
                       {"Fahdra_sales", cents(150000)}, {"Fahdra_cost", cents(90000)},
                       {"Fahdra_total", cents(150000)}});
    Table fadeta(books, "fadeta");
    fadeta.open();
    addInvoiceLine(fadeta, "Fadeta", "1001", "C200", 1, "P", "WIDGET", "Widget", 50, 3000, 150000, 90000);

    Table ivprod(books, "ivprod");
    ivprod.open();
    addRecord(ivprod, {{"Ivprod_code", "WIDGET"}, {"Ivprod_description", "Widget"}, {"Ivprod_price", cents(3000)},
                       {"Ivprod_cost", cents(1800)}});
    addRecord(ivprod, {{"Ivprod_code", "SERVICE"}, {"Ivprod_description", "Installation"}, {"Ivprod_price", cents(4000)}});
}

}  // namespace

void InquiryBooksTest::SetUp()
{
    BooksTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    store::Transaction transaction(*books_);
    addClients(*books_);
    addSuppliers(*books_);
    addAccountsAndControl(*books_);
    addClientBooks(*books_);
    addSupplierBooks(*books_);
    addInvoices(*books_);
    transaction.commit();
}

}  // namespace orvant::inquiry::testing
