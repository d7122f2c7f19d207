#include "demo_receipts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>
#include <cstdint>

#include "company/company_creation.h"
#include "company/demo_company.h"
#include "receipt_import.h"
#include "store/query.h"

namespace orvant::ctl {

namespace {

using namespace company::demo;

// An invoice of the quarter paid: its number, and what is paid of it in cents (0: the whole of
// what it owes).
struct Paid {
    int invoice = 0;
    std::int64_t cents = 0;
};

struct DemoReceipt {
    const char* client;
    const char* reference;
    int daysAfter;  // after the latest invoice it pays
    std::array<Paid, 2> paid;
    double discountPercent;  // taken off what the bank receives, charged to sales
    const char* memo;
};

// None of them pays the invoices the sample receipts pay (1001, 1002, 1004), nor uses their
// references, so the samples still post on the demo.
const DemoReceipt kReceipts[] = {
    {"WES500", "CHQ2210", 25, {{{1003, 0}}}, 0, "Cheque 2210"},
    {"NOR400", "CHQ845", 12, {{{1005, 0}}}, 2.0, "Paid within 15 days, 2% discount"},
    {"BEL200", "CHQ1187", 20, {{{1007, 0}, {1012, 200000}}}, 0, "Cheque 1187, two invoices"},
    {"HAR300", "EFT-301", 30, {{{1009, 500000}}}, 0, "Wire on account of invoice 1009"},
};

// Money the bank takes in from no client, on the quarter's last day.
struct Deposit {
    const char* reference;
    int account;
    std::int64_t cents;
    const char* memo;
};
const Deposit kDeposit{"DEP-7", kRent, 85000, "Rent deposit refunded by the landlord"};

QJsonObject line(int account, const char* side, Money amount, const char* description = nullptr)
{
    QJsonObject row{{"account", account}, {side, QString::fromStdString(amount.toString(2))}};
    if (description) row.insert("description", description);
    return row;
}

std::string jsonLine(const QJsonObject& record) { return QJsonDocument(record).toJson(QJsonDocument::Compact).toStdString(); }

class DemoReceipts {
public:
    DemoReceipts(store::Database& company, Date lastDay) : books_(company), lastDay_(lastDay) {}

    void post(const DemoReceipt& r)
    {
        const std::vector<OpenItem> items = books_.openItems(r.client);
        Date latest;
        Money total;
        QJsonArray payments;
        for (const Paid& paid : r.paid) {
            if (paid.invoice == 0) continue;
            const auto item = std::find_if(items.begin(), items.end(),
                                           [&](const OpenItem& o) { return !o.holdback && o.invoice == std::to_string(paid.invoice); });
            if (item == items.end()) throw company::SetupError(std::string("The demo's receipt ") + r.reference + " pays an invoice not in the books.");
            const Money amount = paid.cents == 0 ? item->amount : Money::fromCents(paid.cents);
            payments.append(QJsonObject{{"invoice", QString::number(paid.invoice)}, {"amount", QString::fromStdString(amount.toString(2))}});
            total += amount;
            latest = std::max(latest, item->date);
        }
        QJsonObject record{{"client", r.client}, {"reference", r.reference}, {"memo", r.memo}, {"payments", payments}};
        if (r.discountPercent != 0) {
            const Money discount = total.percent(r.discountPercent);
            record.insert("rows", QJsonArray{line(kBank, "debit", total - discount), line(kSales, "debit", discount, "Early payment discount"),
                                             line(kReceivable, "credit", total)});
        }
        postOn(std::min(lastDay_, latest.addDays(r.daysAfter)), record, r.reference);
    }

    void post(const Deposit& d)
    {
        const Money amount = Money::fromCents(d.cents);
        postOn(lastDay_, {{"reference", d.reference}, {"memo", d.memo}, {"rows", QJsonArray{line(kBank, "debit", amount), line(d.account, "credit", amount)}}},
               d.reference);
    }

private:
    // A twelve-period year: the period of a receipt is its month.
    void postOn(Date date, QJsonObject record, const char* reference)
    {
        record.insert("date", QString::fromStdString(date.toIso()));
        receipts::ReceiptImport import(books_, {date.month(), "DEMO", {}, false},
                                       [](int message) { return "message " + std::to_string(message) + " of the receipts screen"; });
        if (const auto why = import.post(jsonLine(record)))
            throw company::SetupError(std::string("The demo's receipt ") + reference + " was refused: " + *why);
    }

    receipts::ReceiptBooks books_;
    Date lastDay_;
};

}  // namespace

int PostDemoReceipts(const company::Installation& installation, int company)
{
    const auto books = company::OpenCompany(installation, company);
    store::Query last(*books, "SELECT MAX(\"date\") FROM arori");
    last.open();
    if (last.eof() || last.value(0).isNull()) throw company::SetupError("The demo's receipts come after its quarter of sales.");
    DemoReceipts receipts(*books, last.value(0).asDate());
    for (const DemoReceipt& r : kReceipts) receipts.post(r);
    receipts.post(kDeposit);
    return static_cast<int>(std::size(kReceipts)) + 1;
}

}  // namespace orvant::ctl
