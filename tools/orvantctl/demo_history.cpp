#include "demo_history.h"

#include <cstdint>

#include "company/company_creation.h"
#include "company/demo_company.h"
#include "company/record.h"
#include "demo_invoices.h"
#include "store/table.h"

namespace orvant::ctl {

namespace {

using store::Table;

// One settled item: its invoice, then the payment that cleared it `daysToPay` later.
struct SettledItem {
    const char* party;
    const char* invoice;
    const char* payment;
    int monthsAgo;
    int daysToPay;
    std::int64_t cents;  // before the federal tax on clients' goods
    const char* description;
};

const SettledItem kClientItems[] = {
    {"ABC100", "0901", "RH-0901", 14, 25, 420000, "Scaffolding rental"},
    {"BEL200", "0902", "RH-0902", 14, 40, 87500, "Kitchen hardware"},
    {"HAR300", "0903", "RH-0903", 13, 18, 265000, "Dock lines"},
};
const SettledItem kSupplierItems[] = {
    {"BUR100", "B-0812", "CH-0812", 14, 20, 48000, "Office paper"},
    {"HYD200", "H-0907", "CH-0907", 13, 30, 125000, "Electricity"},
};

Money federalTaxOn(Money amount) { return RoundMoney(Money::fromDouble(amount.toDouble() * company::demo::kFederalRate / 100)); }

void addEntry(Table& history, const std::string& prefix, const std::string& partyField, const SettledItem& item,
              const char* reference, const char* type, Date date, Money amount)
{
    company::addRecord(history, {{partyField.c_str(), item.party}, {(prefix + "_invoice").c_str(), item.invoice},
                                 {(prefix + "_ref").c_str(), reference}, {(prefix + "_type").c_str(), type},
                                 {(prefix + "_date").c_str(), date}, {(prefix + "_du_date").c_str(), date.addDays(30)},
                                 {(prefix + "_amount").c_str(), amount}, {(prefix + "_memo").c_str(), item.description},
                                 {(prefix + "_user").c_str(), "DEMO"}});
}

DemoInvoice archivedInvoice(const SettledItem& item, Date date, Money goods, Money tax)
{
    DemoInvoice invoice;
    invoice.invoice = item.invoice;
    invoice.client = item.party;
    invoice.date = date;
    invoice.dueDate = date.addDays(30);
    invoice.terms = 1;
    invoice.tax1 = tax;
    invoice.lines.push_back({"MAT", "MAT", item.description, 1, goods, goods, Money::fromCents(item.cents * 6 / 10), true});
    return invoice;
}

int addClientHistory(store::Database& books, Date today)
{
    Table history(books, "carh");
    history.open();
    for (const SettledItem& item : kClientItems) {
        const Date invoiced = today.addMonths(-item.monthsAgo);
        const Money goods = Money::fromCents(item.cents);
        const Money tax = federalTaxOn(goods);
        addEntry(history, "Car", "Car_client", item, "", "1", invoiced, goods + tax);
        addEntry(history, "Car", "Car_client", item, item.payment, "2", invoiced.addDays(item.daysToPay), -(goods + tax));
        WriteDemoInvoice(books, archivedInvoice(item, invoiced, goods, tax), true);
    }
    return 2 * static_cast<int>(std::size(kClientItems));
}

int addSupplierHistory(store::Database& books, Date today)
{
    Table history(books, "caph");
    history.open();
    for (const SettledItem& item : kSupplierItems) {
        const Date invoiced = today.addMonths(-item.monthsAgo);
        const Money amount = Money::fromCents(item.cents);
        addEntry(history, "Cap", "Cap_supplier", item, "", "1", invoiced, amount);
        addEntry(history, "Cap", "Cap_supplier", item, item.payment, "2", invoiced.addDays(item.daysToPay), -amount);
    }
    return 2 * static_cast<int>(std::size(kSupplierItems));
}

void keepHistories(store::Database& books)
{
    Table control(books, "ctrl");
    control.open();
    control.first();
    control.edit();
    control.field("Ctrl_ar_histo") = true;
    control.field("Ctrl_ap_histo") = true;
    control.post();
}

}  // namespace

int AddDemoHistory(const company::Installation& installation, int company, Date today)
{
    const auto books = company::OpenCompany(installation, company);
    store::Transaction transaction(*books);
    const int written = addClientHistory(*books, today) + addSupplierHistory(*books, today);
    keepHistories(*books);
    transaction.commit();
    return written;
}

}  // namespace orvant::ctl
