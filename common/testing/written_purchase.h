#pragma once
// Test support: a purchase written straight into a company's books as the purchases posting
// leaves it, for tests of what comes after it (payments, cheques). Header-only, over the books
// library that the test links.

#include <gtest/gtest.h>

#include <string>

#include "books/journal_writer.h"
#include "books/ledger_writer.h"
#include "books/supplier_record.h"
#include "company/demo_company.h"
#include "store/table.h"

namespace orvant::testing {

struct WrittenPurchase {
    std::string supplier, invoice;
    Money total;     // negative: a credit note
    Money holdback;  // the part kept as the invoice's holdback item
    Date date = *Date::fromYmd(2026, 3, 10);
    Date due = *Date::fromYmd(2026, 4, 9);
    int period = 4;
};

// Its history (purchases debited, the payable credited; the other way round for a credit note),
// its two journal lines, its ledger entry less the holdback (an item of its own due 2026-06-30),
// and the supplier's balance moved by the total, in one transaction.
inline void WritePurchase(store::Database& books, const WrittenPurchase& purchase)
{
    using company::demo::kPayable;
    using company::demo::kPurchases;
    const bool credit = purchase.total.isNegative();
    const Money whole = purchase.total.abs(), debit = credit ? Money() : whole, creditAmount = credit ? whole : Money();
    const std::string type = credit ? "3" : "1";
    store::Table history(books, "apori"), suppliers(books, "sup");
    history.open();
    suppliers.open();
    ASSERT_TRUE(suppliers.findKey({purchase.supplier}));
    suppliers.edit();
    store::Transaction transaction(books, store::OnRefusedWrite::SpoilTransaction);
    history.insert();
    history.field("Reference") = purchase.invoice;
    history.field("Supplier") = purchase.supplier;
    history.field("Date") = purchase.date;
    history.field("Due_date") = purchase.due;
    history.field("Trx_type") = type;
    history.field("Account1") = static_cast<int>(kPurchases);
    history.field(credit ? "Credit1" : "Debit1") = whole;
    history.field("Account2") = static_cast<int>(kPayable);
    history.field(credit ? "Debit2" : "Credit2") = whole;
    history.post();
    JournalWriter journal(books);
    const JournalKey key{purchase.period, 3, purchase.invoice, purchase.date};
    journal.addRow(key, {purchase.supplier, "ADMIN"}, kPurchases, "Purchases", debit, creditAmount);
    journal.addRow(key, {purchase.supplier, "ADMIN"}, kPayable, "Payable", creditAmount, debit);
    LedgerWriter ledger(books, Ledger::Payables);
    const std::string& supplier = purchase.supplier;
    ledger.add({supplier, purchase.invoice, {}, purchase.date, purchase.due, type, purchase.total - purchase.holdback, {}, {}, {}, {}, false, "ADMIN"});
    if (!purchase.holdback.isZero())
        ledger.add({supplier, purchase.invoice, {}, purchase.date, *Date::fromYmd(2026, 6, 30), "6", purchase.holdback, {}, {}, {}, {}, true, "ADMIN"});
    SupplierRecord(suppliers).moveBalance(purchase.total);
    suppliers.post();
    transaction.commit();
}

}  // namespace orvant::testing
