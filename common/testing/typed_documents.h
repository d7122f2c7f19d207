#pragma once
// Documents filled in tests the way their screens fill them: distribution lines in their rows,
// payments on the open items read; and the ledger entries a document left.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "store/query.h"
#include "testing/queried_books_test.h"

namespace orvant::testing {

// A distribution line: its account, its debit and its credit (nullptr: none).
struct Line {
    int account;
    const char* debit;
    const char* credit;
};

template <typename Document>
void SetLine(Document& document, int row, const Line& line)
{
    document.rows.setAccount(row, line.account, "line " + std::to_string(row + 1));
    if (line.debit) document.rows.setDebit(row, Amount(line.debit));
    if (line.credit) document.rows.setCredit(row, Amount(line.credit));
}

// The lines into the first rows, in order.
template <typename Document>
void SetLines(Document& document, const std::vector<Line>& lines)
{
    for (std::size_t i = 0; i < lines.size(); ++i) SetLine(document, static_cast<int>(i), lines[i]);
}

// Pays the amount on the invoice's open item (its holdback item when `holdback`).
template <typename Document>
void Pay(Document& document, const std::string& invoice, const char* amount, bool holdback = false)
{
    for (auto& item : document.items)
        if (item.invoice == invoice && item.holdback == holdback) {
            item.payment = Amount(amount);
            return;
        }
    ADD_FAILURE() << "no open item " << invoice;
}

// The entries of a ledger (`car` or `cap`) under a reference, in posting order: type and amount.
using Entries = std::vector<std::pair<std::string, std::string>>;
inline Entries LedgerEntries(store::Database& books, const std::string& ledger, const std::string& reference)
{
    store::Query q(books, "SELECT " + ledger + "_type, " + ledger + "_amount FROM " + ledger + " WHERE " + ledger + "_ref = ? ORDER BY " +
                              ledger + "_seq");
    q.bind(0, reference);
    Entries entries;
    for (q.open(); !q.eof(); q.next()) entries.emplace_back(q.value(0).asString(), q.field(1).asMoney().toString(2));
    return entries;
}

// The demo company's books opened for a payment screen, and their posting: opened on first use,
// and again after reopen() (once the test changed the control records).
template <typename EntryBooks, typename Posting>
class PaymentBooksTest : public QueriedBooksTest {
protected:
    PaymentBooksTest() : QueriedBooksTest(Company::Demo) {}

    EntryBooks& books()
    {
        if (!entryBooks_) entryBooks_ = std::make_unique<EntryBooks>(*books_);
        return *entryBooks_;
    }
    Posting& posting()
    {
        if (!posting_) posting_ = std::make_unique<Posting>(books());
        return *posting_;
    }
    void reopen()
    {
        posting_.reset();
        entryBooks_.reset();
    }

private:
    std::unique_ptr<EntryBooks> entryBooks_;
    std::unique_ptr<Posting> posting_;
};

}  // namespace orvant::testing
