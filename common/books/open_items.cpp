#include "books/open_items.h"

#include <algorithm>

namespace orvant {

namespace {

// The entries of one party (of `invoices` of its invoices when not 0) in the ledger's key order:
// by invoice, then entry number. The reader gathers an item's entries itself, which spares the
// engine a sort.
std::string entriesSql(Ledger ledger, std::size_t invoices = 0)
{
    const bool receivables = ledger == Ledger::Receivables;
    std::string sql = receivables ? "SELECT car_invoice, COALESCE(car_holdback, FALSE), car_type, car_date, car_du_date, car_amount, car_memo, "
                                    "car_slsm, car_fed_tax, car_pro_tax FROM car WHERE car_client = ?"
                                  : "SELECT cap_invoice, COALESCE(cap_holdback, FALSE), cap_type, cap_date, cap_du_date, cap_amount, cap_memo, "
                                    "'', 0, 0 FROM cap WHERE cap_supplier = ?";
    const std::string p = receivables ? "car" : "cap";
    if (invoices > 0) {
        sql += " AND " + p + "_invoice IN (?";
        for (std::size_t i = 1; i < invoices; ++i) sql += ", ?";
        sql += ")";
    }
    return sql + " ORDER BY " + p + "_invoice, " + p + "_seq";
}

std::string openSql(Ledger ledger)
{
    const std::string p = ledger == Ledger::Receivables ? "car" : "cap";
    const std::string owner = ledger == Ledger::Receivables ? "car_client" : "cap_supplier";
    return "SELECT COALESCE(SUM(" + p + "_amount), 0) FROM " + p + " WHERE " + owner + " = ? AND " + p + "_invoice = ? AND COALESCE(" +
           p + "_holdback, FALSE) = ?";
}

// The entry that gives an item its type and dates: the sale or purchase itself, or the
// holdback.
const char* ownTypeOf(bool holdback) { return holdback ? "6" : "1"; }

void takeDates(OpenItem& item, const store::Query& entry)
{
    item.type = entry.field(2).asString();
    item.date = entry.field(3).asDate();
    item.dueDate = entry.field(4).asDate();
    item.memo = entry.field(6).asString();
    item.salesRep = entry.field(7).asString();
}

}  // namespace

OpenItemReader::OpenItemReader(store::Database& company, Ledger ledger)
    : company_(company), ledger_(ledger), entries_(company, entriesSql(ledger)), open_(company, openSql(ledger))
{
}

std::vector<OpenItem> OpenItemReader::items(const std::string& party)
{
    entries_.close();
    entries_.clearBindings();
    entries_.bind(0, party);
    return read(entries_);
}

std::vector<OpenItem> OpenItemReader::items(const std::string& party, const std::vector<std::string>& invoices)
{
    if (invoices.empty()) return {};
    auto found = ofInvoices_.find(invoices.size());
    if (found == ofInvoices_.end()) found = ofInvoices_.try_emplace(invoices.size(), company_, entriesSql(ledger_, invoices.size())).first;
    store::Query& entries = found->second;
    entries.close();
    entries.clearBindings();
    entries.bind(0, party);
    for (std::size_t i = 0; i < invoices.size(); ++i) entries.bind(static_cast<int>(i) + 1, invoices[i]);
    return read(entries);
}

std::vector<OpenItem> OpenItemReader::read(store::Query& entries)
{
    // Where each item's type and dates came from: its own entry wins over any other, then the
    // earliest; entries come by number, so of two on one date the first stays.
    struct DatesFrom {
        Date date;
        bool own = false;
    };
    std::vector<OpenItem> items;
    std::vector<DatesFrom> datesFrom;
    for (entries.open(); !entries.eof(); entries.next()) {
        const std::string invoice = entries.field(0).asString();
        const bool holdback = entries.field(1).asBool();
        // The invoice's items are the last ones: the invoice and perhaps its holdback.
        std::size_t at = items.size();
        for (std::size_t i = items.size(); i-- > 0 && items[i].invoice == invoice;)
            if (items[i].holdback == holdback) at = i;
        const bool own = entries.field(2).asString() == ownTypeOf(holdback);
        const Date date = entries.field(3).asDate();
        if (at == items.size()) {
            OpenItem item;
            item.invoice = invoice;
            item.holdback = holdback;
            items.push_back(std::move(item));
            datesFrom.push_back({date, own});
            takeDates(items.back(), entries);
        } else if ((own && !datesFrom[at].own) || (own == datesFrom[at].own && date < datesFrom[at].date)) {
            datesFrom[at] = {date, own};
            takeDates(items[at], entries);
        }
        OpenItem& item = items[at];
        item.amount += entries.field(5).asMoney();
        item.federalTax += entries.field(8).asMoney();
        item.provincialTax += entries.field(9).asMoney();
    }
    entries.close();
    // An invoice's holdback after the invoice.
    for (std::size_t i = 1; i < items.size(); ++i)
        if (items[i].invoice == items[i - 1].invoice && items[i - 1].holdback && !items[i].holdback) std::swap(items[i], items[i - 1]);
    return items;
}

Money OpenItemReader::openAmount(const std::string& party, const std::string& invoice, bool holdback)
{
    open_.close();
    open_.clearBindings();
    open_.bind(0, party);
    open_.bind(1, invoice);
    open_.bind(2, holdback);
    open_.open();
    const Money amount = open_.field(0).asMoney();
    open_.close();
    return amount;
}

bool PaymentFits(const OpenItem& item)
{
    if (!item.holdback || item.payment.isZero()) return true;
    return !item.payment.isNegative() && item.payment <= item.amount;
}

std::vector<std::string> PaidInvoices(const std::vector<OpenItem>& items)
{
    std::vector<std::string> invoices;
    for (const OpenItem& item : items)
        if (!item.payment.isZero() && std::find(invoices.begin(), invoices.end(), item.invoice) == invoices.end())
            invoices.push_back(item.invoice);
    return invoices;
}

Money AppliedTotal(const std::vector<OpenItem>& items)
{
    Money total;
    for (const OpenItem& item : items) total += item.payment;
    return total;
}

void FollowPayments(Distribution& rows, Money applied, Ledger ledger, const ControlAccountTable& controls,
                    const std::vector<int>& bankAccounts)
{
    const bool receivables = ledger == Ledger::Receivables;
    // The control line takes the payments on its paying side, the bank the other.
    const auto put = [&rows](int index, Money amount, bool onCredit) {
        rows.setDebit(index, Money());
        rows.setCredit(index, Money());
        const bool credit = amount.isNegative() ? !onCredit : onCredit;
        if (credit) rows.setCredit(index, amount.abs());
        else rows.setDebit(index, amount.abs());
    };
    const auto& all = rows.rows();
    const auto control = std::find_if(all.begin(), all.end(), [&](const DistributionRow& r) { return controls.isControlAccount(r.account); });
    if (control != all.end()) put(static_cast<int>(control - all.begin()), applied, receivables);
    const auto bank = std::find_if(all.begin(), all.end(), [&](const DistributionRow& r) {
        return r.account != 0 && std::find(bankAccounts.begin(), bankAccounts.end(), r.account) != bankAccounts.end();
    });
    if (bank != all.end()) put(static_cast<int>(bank - all.begin()), applied, !receivables);
}

}  // namespace orvant
