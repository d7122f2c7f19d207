#pragma once
// Payables documents posted into the demo company's books through the real postings, then undone.

#include <memory>
#include <string>

#include "company/demo_company.h"
#include "payables_undo.h"
#include "testing/queried_books_test.h"

namespace orvant::vndundo::testing {

using orvant::testing::Amount;

class UndoTest : public orvant::testing::QueriedBooksTest {
protected:
    UndoTest() : QueriedBooksTest(Company::Demo) {}

    // A purchase (payable credited, office supplies debited), dated 2026-03-10 unless given, part
    // of it held back when `holdback` is.
    void purchase(const std::string& supplier, const std::string& invoice, const char* amount, const char* date = "2026-03-10",
                  const char* holdback = nullptr);
    // A credit note on the invoice, the same day.
    void creditNote(const std::string& supplier, const std::string& invoice, const std::string& reference, const char* amount);
    // A sale to the client of that invoice number and date.
    void sale(const std::string& client, const std::string& invoice, const char* amount, const char* date = "2026-03-10");
    // A disbursement dated 2026-03-20 from the bank: its payments as JSON, the payable debited
    // by `payable` (the payments' total and any unapplied part).
    void disbursement(const std::string& supplier, const std::string& reference, const std::string& payments, const char* payable);

    // The journal carried to the general ledger as its transfer does: each line into gla with its
    // signed amount and the account's balance of period 4, the journal emptied.
    void handToLedger();

    // The item of the supplier with that invoice, reference and type.
    UndoSelection item(const std::string& supplier, const std::string& invoice, const std::string& reference, const char* type);
    // The cascade shown, then the undo run; the refusal when either refuses.
    std::variant<UndoDone, UndoRefusal> undo(const UndoSelection& selection);

    Money balance(const std::string& supplier) { return money("SELECT sup_current_bal FROM sup WHERE sup_code = ?", {supplier}); }
};

}  // namespace orvant::vndundo::testing
