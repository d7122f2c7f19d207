#include "books/open_items.h"

#include <algorithm>

namespace orvant {

namespace {

// The entries of one party, an item's entries together, each item's earliest entry first.
std::string entriesSql(Ledger ledger)
{
    if (ledger == Ledger::Receivables)
        return "SELECT car_invoice, COALESCE(car_holdback, FALSE), car_type, car_date, car_du_date, car_amount, car_memo, "
               "car_slsm, car_fed_tax, car_pro_tax FROM car WHERE car_client = ? ORDER BY car_invoice, 2, car_date, car_seq";
    return "SELECT cap_invoice, COALESCE(cap_holdback, FALSE), cap_type, cap_date, cap_du_date, cap_amount, cap_memo, "
           "'', 0, 0 FROM cap WHERE cap_supplier = ? ORDER BY cap_invoice, 2, cap_date, cap_seq";
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
    : ledger_(ledger), entries_(company, entriesSql(ledger)), open_(company, openSql(ledger))
{
}

std::vector<OpenItem> OpenItemReader::items(const std::string& party)
{
    std::vector<OpenItem> items;
    entries_.close();
    entries_.clearBindings();
    entries_.bind(0, party);
    bool ownEntryMet = false;
    for (entries_.open(); !entries_.eof(); entries_.next()) {
        const std::string invoice = entries_.field(0).asString();
        const bool holdback = entries_.field(1).asBool();
        if (items.empty() || items.back().invoice != invoice || items.back().holdback != holdback) {
            OpenItem item;
            item.invoice = invoice;
            item.holdback = holdback;
            items.push_back(std::move(item));
            takeDates(items.back(), entries_);
            ownEntryMet = false;
        }
        OpenItem& item = items.back();
        if (!ownEntryMet && entries_.field(2).asString() == ownTypeOf(holdback)) {
            takeDates(item, entries_);
            ownEntryMet = true;
        }
        item.amount += entries_.field(5).asMoney();
        item.federalTax += entries_.field(8).asMoney();
        item.provincialTax += entries_.field(9).asMoney();
    }
    entries_.close();
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
