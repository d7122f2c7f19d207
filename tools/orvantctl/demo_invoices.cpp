#include "demo_invoices.h"

#include "company/company_creation.h"
#include "company/demo_company.h"
#include "company/record.h"
#include "store/table.h"

namespace orvant::ctl {

namespace {

using namespace company::demo;
using store::Table;

// What each revenue account of a sale's distribution sells.
struct Item {
    int account;
    const char* code;
    const char* description;
    int costPercent;  // of the price
};
constexpr Item kItems[] = {
    {kSales, "MAT", "Materials", 60},
    {kServices, "SRV", "Services", 0},
    {kFreightCharged, "FRT", "Freight", 0},
};

const Item* itemOf(std::int64_t account)
{
    for (const Item& item : kItems)
        if (item.account == account) return &item;
    return nullptr;
}

Money salesOf(const DemoInvoice& invoice)
{
    Money sales;
    for (const DemoInvoiceLine& line : invoice.lines) sales += line.total;
    return sales;
}

Money totalOf(const DemoInvoice& invoice) { return salesOf(invoice) + invoice.tax1 + invoice.tax2; }

Money percentOf(Money amount, int percent) { return Money::fromCents(amount.raw() / Money::kCent * percent / 100); }

// The distribution of a sale read back as invoice lines under a comment line with its comments.
DemoInvoice invoiceOf(Table& sale, Table& clients)
{
    DemoInvoice invoice;
    invoice.invoice = sale.field("Reference").asString();
    invoice.client = sale.field("Client").asString();
    invoice.date = sale.field("Date").asDate();
    invoice.dueDate = sale.field("Due_date").asDate();
    if (clients.findKey({invoice.client})) {
        invoice.salesrep = clients.field("Cli_salesrep").asString();
        invoice.terms = static_cast<int>(clients.field("Cli_terms").asInt());
    }
    invoice.lines.push_back({"", "", sale.field("Comments").asString().substr(0, 60), 0, {}, {}, {}});
    for (int row = 1; row <= 15; ++row) {
        const std::string n = std::to_string(row);
        const std::int64_t account = sale.field("Account" + n).asInt();
        const Money credit = sale.field("Credit" + n).asMoney();
        if (account == kFederalTax) invoice.tax1 += credit;
        else if (account == kProvincialTax) invoice.tax2 += credit;
        else if (const Item* item = itemOf(account); item && credit > Money())
            invoice.lines.push_back({item->code, item->code, item->description, 1, credit, credit,
                                     percentOf(credit, item->costPercent)});
    }
    for (DemoInvoiceLine& line : invoice.lines) {
        line.tax1 = !line.code.empty() && invoice.tax1 != Money();
        line.tax2 = !line.code.empty() && invoice.tax2 != Money();
    }
    return invoice;
}

void addItems(store::Database& books)
{
    Table items(books, "ivprod");
    items.open();
    for (const Item& item : kItems)
        if (!items.findKey({item.code}))
            company::addRecord(items, {{"Ivprod_code", item.code}, {"Ivprod_description", item.description}});
}

// The invoices name their payments by the control record's names; a name already set stays.
void namePayments(store::Database& books)
{
    Table control(books, "ctrl");
    control.open();
    control.first();
    control.edit();
    const char* names[] = {"Cash", "Cheque", "Credit card"};
    for (int i = 0; i < 3; ++i) {
        const std::string field = "Ctrl_pmt_name" + std::to_string(i + 1);
        if (control.field(field).asString().empty()) control.field(field) = names[i];
    }
    control.post();
}

}  // namespace

void WriteDemoInvoice(store::Database& books, const DemoInvoice& invoice, bool archived)
{
    const std::string header = archived ? "Fahdra" : "Fahdr";
    const std::string line = archived ? "Fadeta" : "Fadet";
    Money cost;
    Table lines(books, archived ? "fadeta" : "fadet");
    lines.open();
    int number = 0;
    for (const DemoInvoiceLine& l : invoice.lines) {
        cost += l.cost;
        lines.insert();
        lines.field(line + "_doc") = "1";
        lines.field(line + "_invoice") = invoice.invoice;
        lines.field(line + "_client") = invoice.client;
        lines.field(line + "_line") = ++number;
        lines.field(line + "_code") = l.code;
        lines.field(line + "_item") = l.item;
        lines.field(line + "_description") = l.description;
        lines.field(line + "_qty_ordered") = l.quantity;
        lines.field(line + "_qty") = l.quantity;
        lines.field(line + "_price") = l.price;
        lines.field(line + "_tax1") = l.tax1;
        lines.field(line + "_tax2") = l.tax2;
        lines.field(line + "_total") = l.total;
        lines.field(line + "_cost") = l.cost;
        lines.post();
    }
    Table headers(books, archived ? "fahdra" : "fahdr");
    headers.open();
    headers.insert();
    headers.field(header + "_doc") = "1";
    headers.field(header + "_invoice") = invoice.invoice;
    headers.field(header + "_client") = invoice.client;
    headers.field(header + "_date") = invoice.date;
    headers.field(header + "_due_date") = invoice.dueDate;
    headers.field(header + "_salesrep") = invoice.salesrep;
    headers.field(header + "_terms") = invoice.terms;
    headers.field(header + "_sales") = salesOf(invoice);
    headers.field(header + "_cost") = cost;
    headers.field(header + "_tax1") = invoice.tax1;
    headers.field(header + "_tax2") = invoice.tax2;
    headers.field(header + "_total") = totalOf(invoice);
    headers.field(header + "_pmt1") = invoice.paidInCash;
    headers.post();
}

int AddDemoInvoices(const company::Installation& installation, int company)
{
    const auto books = company::OpenCompany(installation, company);
    store::Transaction transaction(*books);
    addItems(*books);
    namePayments(*books);
    Table clients(*books, "cli");
    clients.open();
    Table sales(*books, "arori");
    sales.open();
    int written = 0;
    for (sales.first(); !sales.eof(); sales.next()) {
        if (sales.field("Trx_type").asString() != "1" || !sales.field("Dr_cr_reference").asString().empty()) continue;
        DemoInvoice invoice = invoiceOf(sales, clients);
        if (sales.field("Direct_cash_sale").asBool()) invoice.paidInCash = totalOf(invoice);
        WriteDemoInvoice(*books, invoice, false);
        ++written;
    }
    transaction.commit();
    return written;
}

}  // namespace orvant::ctl
