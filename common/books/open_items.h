#pragma once
// The open items of one client or supplier, read from its ledger: every entry of an invoice
// (the sale, its notes, adjustments and payments) nets into one item, and the invoice's
// holdback, with the payments on it, into an item of its own. Items that net to 0 stay listed,
// so a screen shows a paid invoice as paid. Payments typed per item, and the receivable (or
// payable) and bank lines of a distribution that follow their total.

#include <map>
#include <string>
#include <vector>

#include "books/control_account_table.h"
#include "books/control_accounts.h"
#include "books/distribution.h"
#include "dates/date.h"
#include "money/money.h"
#include "store/database.h"
#include "store/query.h"

namespace orvant {

struct OpenItem {
    std::string invoice;
    bool holdback = false;
    // The type and dates of the invoice's own entry (the sale or purchase, "1", or the holdback,
    // "6"); without one, of its earliest entry by date and entry number.
    std::string type;
    Date date, dueDate;
    Money amount;  // what is still open: the sum of the item's entries
    // What is left of the taxes held back with a holdback (0 on the payables side, whose ledger
    // keeps no taxes).
    Money federalTax, provincialTax;
    std::string memo, salesRep;
    Money payment;  // what the user applies to the item

    bool sameItem(const OpenItem& other) const { return invoice == other.invoice && holdback == other.holdback; }
};

class OpenItemReader {
public:
    OpenItemReader(store::Database& company, Ledger ledger);

    // Every item of the party, by invoice number, an invoice's holdback after the invoice.
    std::vector<OpenItem> items(const std::string& party);
    // The same for these invoices only, each with its holdback: what a document paying them
    // needs, read in one query however many it pays. An invoice the party lacks gives no item.
    std::vector<OpenItem> items(const std::string& party, const std::vector<std::string>& invoices);
    // What one item owes now, read again (inside a posting's transaction).
    Money openAmount(const std::string& party, const std::string& invoice, bool holdback);

private:
    std::vector<OpenItem> read(store::Query& entries);

    store::Database& company_;
    Ledger ledger_;
    store::Query entries_, open_;
    std::map<std::size_t, store::Query> ofInvoices_;  // by the number of invoices asked for
};

// A payment on a holdback item lies above 0 and at most at what the item owes; a payment on an
// invoice may be anything, a negative one applying a credit to the invoice.
bool PaymentFits(const OpenItem& item);

// The invoices of the items with a payment, each once.
std::vector<std::string> PaidInvoices(const std::vector<OpenItem>& items);

// The sum of the payments typed.
Money AppliedTotal(const std::vector<OpenItem>& items);

// Makes the first line on a control account and the first line on one of `bankAccounts` carry
// `applied`: on the receivables side the receivable is credited and the bank debited (the other
// way round on the payables side), a negative total going to the other column. A distribution
// without such a line is left as it is.
void FollowPayments(Distribution& rows, Money applied, Ledger ledger, const ControlAccountTable& controls,
                    const std::vector<int>& bankAccounts);

}  // namespace orvant
