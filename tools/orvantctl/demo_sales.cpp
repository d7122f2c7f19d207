#include "demo_sales.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

#include "company/company_creation.h"
#include "company/demo_company.h"
#include "sales_import.h"
#include "store/table.h"

namespace orvant::ctl {

namespace {

using namespace company::demo;
using sales::SalesRecord;
using sales::SalesType;

// Where in the quarter a document falls: its month (0 to 2) and day (1 to 28) in a
// three-month quarter, spread over the days the quarter really has.
struct When {
    int month, day;
};

// Amounts in cents, before taxes.
struct Sale {
    const char* client;
    When when;
    std::int64_t goods, services, freight;
    const char* comment;
};

// Quebec clients pay both taxes; the others the federal tax only.
bool paysProvincialTax(const std::string& client) { return client == "ABC100" || client == "BEL200" || client == "WES500"; }

const Sale kQuarterSales[] = {
    {"ABC100", {0, 3}, 1845000, 0, 12500, "Lumber and framing hardware"},
    {"BEL200", {0, 6}, 0, 96000, 0, "Installation, two days"},
    {"WES500", {0, 9}, 238950, 45000, 0, "Waiting room furniture"},
    {"HAR300", {0, 13}, 524000, 0, 35000, "Marine rope and fittings"},
    {"NOR400", {0, 16}, 78550, 0, 0, "Espresso machine parts"},
    {"ABC100", {0, 21}, 912500, 150000, 0, "Drywall, phase 2"},
    {"BEL200", {0, 27}, 342075, 0, 8500, "Cabinet hardware"},
    {"WES500", {1, 2}, 0, 125000, 0, "Maintenance contract, quarterly"},
    {"HAR300", {1, 5}, 1267500, 0, 48000, "Winter storage covers"},
    {"ABC100", {1, 8}, 2730000, 0, 25000, "Concrete forms"},
    {"NOR400", {1, 12}, 45600, 18000, 0, "Refrigeration service call"},
    {"BEL200", {1, 15}, 681000, 72000, 0, "Renovation materials"},
    {"WES500", {1, 19}, 184900, 0, 4500, "Sterilizer supplies"},
    {"ABC100", {1, 23}, 0, 320000, 0, "Site supervision"},
    {"HAR300", {1, 26}, 395000, 0, 0, "Navigation lights"},
    {"BEL200", {2, 1}, 1520000, 0, 30000, "Hardwood flooring"},
    {"NOR400", {2, 4}, 129900, 0, 5000, "Patio heaters"},
    {"ABC100", {2, 7}, 648000, 90000, 0, "Roofing materials"},
    {"WES500", {2, 10}, 0, 87500, 0, "Equipment calibration"},
    {"HAR300", {2, 14}, 856000, 0, 22500, "Bilge pumps"},
    {"BEL200", {2, 18}, 215000, 0, 0, "Paint and supplies"},
    {"ABC100", {2, 22}, 1175000, 0, 40000, "Windows and doors"},
    {"NOR400", {2, 25}, 0, 64000, 0, "Menu board installation"},
};
constexpr int kFirstInvoice = 1001;

// A note on one of the sales above, by its place in the list: goods taken back (credit) or
// freight charged after the sale (debit).
struct Note {
    int sale;
    When when;
    std::int64_t amount;
    const char* comment;
};

const Note kCreditNotes[] = {
    {0, {0, 10}, 125000, "Framing nails returned"},
    {4, {1, 3}, 15000, "Damaged part returned"},
    {9, {1, 20}, 200000, "Price agreed on the concrete forms"},
    {15, {2, 12}, 76000, "Flooring boxes returned"},
};
const Note kDebitNotes[] = {
    {1, {0, 20}, 4500, "Extra delivery"},
    {8, {1, 22}, 9500, "Expedited shipping"},
    {19, {2, 20}, 6000, "Fuel surcharge"},
};
// Adjustments of a sale's balance against bank charges or sales, without tax: positive raises
// what the client owes.
struct Adjustment {
    int sale;
    When when;
    std::int64_t amount;
    int account;
    const char* comment;
};
const Adjustment kAdjustments[] = {
    {6, {1, 10}, -5, kBankCharges, "Small balance written off"},
    {12, {2, 5}, 2500, kBankCharges, "Returned cheque fee"},
    {2, {2, 15}, -1250, kSales, "Early payment discount"},
};
struct CashSale {
    When when;
    std::int64_t goods;
    const char* comment;
};
const CashSale kCashSales[] = {
    {{0, 11}, 4599, "Counter sale"},
    {{1, 14}, 12950, "Counter sale, paint"},
    {{2, 3}, 2799, "Counter sale"},
    {{2, 19}, 35000, "Counter sale, tools"},
};

// The quarter's days: from the first day of its first month to the last of its last, or to
// today when today falls inside.
class Quarter {
public:
    Quarter(int lastPeriod, Date today)
    {
        const int last = std::clamp(lastPeriod, 1, 12), year = today.year();
        start_ = *Date::fromYmd(year, std::max(1, last - 2), 1);
        Date end = *Date::fromYmd(year, last, Date::daysInMonth(year, last));
        if (today >= start_ && today < end) end = today;
        days_ = start_.daysTo(end);
    }

    Date date(When when) const
    {
        constexpr int kPlaces = 3 * 28 - 1;
        return start_.addDays(days_ * (when.month * 28 + when.day - 1) / kPlaces);
    }

private:
    Date start_;
    int days_ = 0;
};

class QuarterBuilder {
public:
    explicit QuarterBuilder(const Quarter& quarter) : quarter_(quarter) {}

    void sale(const Sale& s, int number)
    {
        SalesRecord& r = add(s.client, SalesType::Sale, std::to_string(number), {}, s.when, s.comment);
        const Money net = Money::fromCents(s.goods + s.services + s.freight);
        const std::pair<int, std::int64_t> lines[] = {{kSales, s.goods}, {kServices, s.services}, {kFreightCharged, s.freight}};
        int row = 1;
        for (const auto& [account, cents] : lines)
            if (cents != 0) credit(r, row++, account, Money::fromCents(cents));
        taxes(r, row, net, false);
    }

    void note(const Note& n, SalesType type, int account, const std::string& reference)
    {
        const Sale& s = kQuarterSales[n.sale];
        SalesRecord& r = add(s.client, type, std::to_string(kFirstInvoice + n.sale), reference, n.when, n.comment);
        const Money net = Money::fromCents(n.amount);
        const bool credited = type == SalesType::Credit;
        if (credited) debit(r, 1, account, net);
        else credit(r, 1, account, net);
        taxes(r, 2, net, credited);
    }

    void adjustment(const Adjustment& a, const std::string& reference)
    {
        const Sale& s = kQuarterSales[a.sale];
        SalesRecord& r = add(s.client, SalesType::Adjustment, std::to_string(kFirstInvoice + a.sale), reference, a.when, a.comment);
        const Money amount = Money::fromCents(a.amount < 0 ? -a.amount : a.amount);
        if (a.amount < 0) debit(r, 1, a.account, amount);
        else credit(r, 1, a.account, amount);
        balanceOnRow0(r, kReceivable);
    }

    void cashSale(const CashSale& c, int number)
    {
        SalesRecord& r = add("", SalesType::Sale, "CS-" + std::to_string(number), {}, c.when, c.comment);
        r.document.directCash = true;
        credit(r, 1, kSales, Money::fromCents(c.goods));
        taxes(r, 2, Money::fromCents(c.goods), false, true);
    }

    // In the order of their dates; a note comes after the sale it names.
    std::vector<SalesRecord> documents()
    {
        std::stable_sort(records_.begin(), records_.end(),
                         [](const SalesRecord& a, const SalesRecord& b) { return a.document.date < b.document.date; });
        return std::move(records_);
    }

private:
    SalesRecord& add(const std::string& client, SalesType type, const std::string& invoice, const std::string& reference, When when,
                     const char* comment)
    {
        SalesRecord& r = records_.emplace_back();
        r.document.client = client;
        r.document.type = type;
        r.document.invoice = invoice;
        r.document.reference = reference;
        r.document.date = quarter_.date(when);
        r.document.comment = comment;
        return r;
    }

    static void debit(SalesRecord& r, int row, int account, Money amount)
    {
        r.document.rows.setAccount(row, account, {});
        r.document.rows.setDebit(row, amount);
    }
    static void credit(SalesRecord& r, int row, int account, Money amount)
    {
        r.document.rows.setAccount(row, account, {});
        r.document.rows.setCredit(row, amount);
    }

    // The taxes on `net` from row `row` on, on the side of the sales rows, then the receivable
    // (or, for a cash sale, the bank) on row 0 balancing the document.
    void taxes(SalesRecord& r, int row, Money net, bool credited, bool cash = false)
    {
        const auto put = credited ? debit : credit;
        put(r, row, kFederalTax, net.percent(kFederalRate));
        if (cash || paysProvincialTax(r.document.client)) put(r, row + 1, kProvincialTax, net.percent(kProvincialRate));
        balanceOnRow0(r, cash ? kBank : kReceivable);
    }

    static void balanceOnRow0(SalesRecord& r, int account)
    {
        Money owed;
        for (const DistributionRow& row : r.document.rows.rows()) owed += row.credit - row.debit;
        r.document.rows.setAccount(0, account, {});
        if (owed.isNegative()) r.document.rows.setCredit(0, -owed);
        else r.document.rows.setDebit(0, owed);
    }

    const Quarter& quarter_;
    std::vector<SalesRecord> records_;
};

std::vector<SalesRecord> quarterDocuments(const Quarter& quarter)
{
    QuarterBuilder builder(quarter);
    int number = kFirstInvoice;
    for (const Sale& s : kQuarterSales) builder.sale(s, number++);
    number = 101;
    for (const Note& n : kCreditNotes) builder.note(n, SalesType::Credit, kSales, "CN-" + std::to_string(number++));
    number = 201;
    for (const Note& n : kDebitNotes) builder.note(n, SalesType::Debit, kFreightCharged, "DN-" + std::to_string(number++));
    number = 301;
    for (const Adjustment& a : kAdjustments) builder.adjustment(a, "ADJ-" + std::to_string(number++));
    number = 4001;
    for (const CashSale& c : kCashSales) builder.cashSale(c, number++);
    return builder.documents();
}

}  // namespace

int PostDemoQuarter(const company::Installation& installation, int company, Date today)
{
    const auto books = company::OpenCompany(installation, company);
    sales::SalesBooks salesBooks(*books, false);
    const Quarter quarter(salesBooks.settings().currentPeriod, today);
    int posted = 0;
    for (SalesRecord& record : quarterDocuments(quarter)) {
        // A twelve-period year: the period of a document is its month.
        sales::SalesImport import(salesBooks, {record.document.date.month(), "DEMO", {}, {}},
                                  [](int message) { return "message " + std::to_string(message) + " of the sales screen"; });
        if (const auto why = import.post(record))
            throw company::SetupError("The demo's document " + record.document.invoice + " " + record.document.reference +
                                      " was refused: " + *why);
        ++posted;
    }
    // The next receivables number follows the demo's sales, for the programs that propose one.
    store::Table control(*books, "ctrl");
    control.open();
    control.first();
    control.edit();
    control.field("Ctrl_ar_invoiceno") = kFirstInvoice + static_cast<int>(std::size(kQuarterSales));
    control.post();
    return posted;
}

}  // namespace orvant::ctl
