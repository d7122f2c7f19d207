#include "demo_purchases.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "company/company_creation.h"
#include "company/demo_company.h"
#include "purchase_import.h"
#include "store/query.h"

namespace orvant::ctl {

namespace {

using namespace company::demo;

struct DemoPurchase {
    const char* supplier;
    const char* type;
    const char* invoice;
    const char* reference;
    int daysBeforeEnd;  // dated this many days before the quarter's last document
    int account;        // the expense charged
    std::int64_t cents; // before taxes
    bool taxed;         // federal and provincial taxes on top
    const char* comment;
};

const DemoPurchase kDocuments[] = {
    {"BUR100", "purchase", "DM-B1041", "", 80, kOfficeSupplies, 42000, true, "Paper, toner and binders"},
    {"HYD200", "purchase", "DM-H2026", "", 75, kRent, 180000, false, "Office rent"},
    {"MAP300", "purchase", "DM-M771", "", 60, company::demo::kPurchases, 356050, true, "Lumber for the Dartmouth job"},
    {"TEL400", "purchase", "DM-T5520", "", 45, 5300, 12999, true, "Telephone and internet"},
    {"BUR100", "credit", "DM-B1041", "DM-CN12", 40, kOfficeSupplies, 6000, true, "Damaged binders returned"},
    {"MAP300", "debit", "DM-M771", "DM-DN3", 30, company::demo::kPurchases, 15000, false, "Freight on the lumber"},
    {"HYD200", "purchase", "DM-H2027", "", 15, kRent, 180000, false, "Office rent"},
};

QJsonObject row(int account, bool debit, Money amount)
{
    return {{"account", account}, {debit ? "debit" : "credit", QString::fromStdString(amount.toString(2))}};
}

// The rows of a document: the expense and its taxes on one side, the payable on the other (the
// other way round for a credit note).
QJsonArray rowsOf(const DemoPurchase& p)
{
    const bool expenseDebited = std::string(p.type) != "credit";
    const Money net = Money::fromCents(p.cents);
    const Money federal = p.taxed ? net.percent(kFederalRate) : Money();
    const Money provincial = p.taxed ? net.percent(kProvincialRate) : Money();
    QJsonArray rows{row(kPayable, !expenseDebited, net + federal + provincial), row(p.account, expenseDebited, net)};
    if (p.taxed) {
        rows.append(row(kFederalTax, expenseDebited, federal));
        rows.append(row(kProvincialTax, expenseDebited, provincial));
    }
    return rows;
}

void post(purchases::PurchaseBooks& books, const QJsonObject& record, Date date, const std::string& what)
{
    QJsonObject dated = record;
    dated.insert("date", QString::fromStdString(date.toIso()));
    // A twelve-period year: the period of a document is its month.
    purchases::PurchaseImport import(books, {date.month(), "DEMO", {}, {}, false},
                                     [](int message) { return "message " + std::to_string(message) + " of the purchases screen"; });
    if (const auto why = import.post(QJsonDocument(dated).toJson(QJsonDocument::Compact).toStdString()))
        throw company::SetupError("The demo's purchase " + what + " was refused: " + *why);
}

}  // namespace

int PostDemoPurchases(const company::Installation& installation, int company)
{
    const auto books = company::OpenCompany(installation, company);
    store::Query last(*books, "SELECT MAX(\"date\") FROM arori");
    last.open();
    if (last.eof() || last.value(0).isNull()) throw company::SetupError("The demo's purchases come within its quarter of sales.");
    const Date end = last.value(0).asDate();
    purchases::PurchaseBooks purchaseBooks(*books, false);
    int posted = 0;
    for (const DemoPurchase& p : kDocuments) {
        QJsonObject record{{"supplier", p.supplier}, {"type", p.type}, {"invoice", p.invoice}, {"comment", p.comment},
                           {"rows", rowsOf(p)}};
        if (*p.reference) record.insert("reference", p.reference);
        post(purchaseBooks, record, end.addDays(-p.daysBeforeEnd), p.invoice);
        ++posted;
    }
    const Money stamps = Money::fromCents(2450);
    post(purchaseBooks,
         {{"cash", true}, {"invoice", "DM-CASH1"}, {"comment", "Stamps at the post office"},
          {"rows", QJsonArray{row(kOfficeSupplies, true, stamps), row(kBank, false, stamps)}}},
         end.addDays(-10), "DM-CASH1");
    return posted + 1;
}

}  // namespace orvant::ctl
