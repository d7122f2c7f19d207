#pragma once
// Payables documents posted into the demo company's books through the real postings, then undone.

#include <memory>
#include <ostream>
#include <string>

#include "company/demo_company.h"
#include "payables_undo.h"
#include "testing/books_fixture.h"

namespace orvant {
inline void PrintTo(const Money& amount, std::ostream* out) { *out << amount.toString(4); }
}  // namespace orvant

namespace orvant::vndundo::testing {

Money Amount(const char* text);

class UndoTest : public orvant::testing::BooksTest {
protected:
    UndoTest() : BooksTest(Company::Demo) {}

    // A purchase (payable credited, office supplies debited), dated 2026-03-10 unless given.
    void purchase(const std::string& supplier, const std::string& invoice, const char* amount, const char* date = "2026-03-10");
    // A credit note on the invoice, the same day.
    void creditNote(const std::string& supplier, const std::string& invoice, const std::string& reference, const char* amount);
    // A sale to the client of that invoice number and date.
    void sale(const std::string& client, const std::string& invoice, const char* amount, const char* date = "2026-03-10");
    // A disbursement dated 2026-03-20 from the bank: its payments as JSON, the payable debited
    // by `payable` (the payments' total and any unapplied part).
    void disbursement(const std::string& supplier, const std::string& reference, const std::string& payments, const char* payable);

    // The item of the supplier with that invoice, reference and type.
    UndoSelection item(const std::string& supplier, const std::string& invoice, const std::string& reference, const char* type);
    // The cascade shown, then the undo run; the refusal when either refuses.
    std::variant<UndoDone, UndoRefusal> undo(const UndoSelection& selection);

    std::int64_t count(const std::string& sql, std::vector<store::Value> binds = {});
    Money money(const std::string& sql, std::vector<store::Value> binds = {});
    Money balance(const std::string& supplier) { return money("SELECT sup_current_bal FROM sup WHERE sup_code = ?", {supplier}); }
    void execute(const std::string& sql, std::vector<store::Value> binds = {});
    void expectBooksClean();
};

}  // namespace orvant::vndundo::testing
