#pragma once
// Cash disbursements posted into the demo company's books, over purchases written the way the
// purchases posting writes them, and what the books then hold.

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "company/books_check.h"
#include "company/demo_company.h"
#include "disbursement_posting.h"
#include "testing/books_fixture.h"
#include "testing/books_queries.h"

namespace orvant {
inline void PrintTo(const Money& amount, std::ostream* out) { *out << amount.toString(4); }
}  // namespace orvant

namespace orvant::disbursements::testing {

using company::demo::kBank;
using company::demo::kPayable;
using company::demo::kPurchases;
using company::demo::kRent;

Money Amount(const char* text);

// A distribution row: its account, its debit and its credit (nullptr: none).
struct Row {
    int account;
    const char* debit;
    const char* credit;
};

class DisbursementTest : public orvant::testing::BooksTest {
protected:
    DisbursementTest() : BooksTest(Company::Demo) {}

    DisbursementBooks& books();
    DisbursementPosting& posting();
    // Reads the control records again (after the test changed them).
    void reopen();

    // A purchase from the supplier dated 2026-03-10 (a credit note when `total` is negative):
    // its history, its journal (purchases against the payable) and its ledger entry, the part
    // `holdback` kept as the invoice's holdback item; the supplier's balance moves by the total.
    void purchase(const std::string& supplier, const std::string& invoice, const char* total, const char* holdback = nullptr);

    // A disbursement to the supplier dated 2026-03-20, its open items read, no rows.
    DisbursementDocument disbursement(const std::string& supplier, const std::string& reference);
    static void row(DisbursementDocument& disbursement, int index, int account, const char* debit, const char* credit);
    // The rows into the first slots, in order.
    static void rows(DisbursementDocument& disbursement, const std::vector<Row>& rows);
    static void pay(DisbursementDocument& disbursement, const std::string& invoice, const char* amount, bool holdback = false);

    std::optional<Refusal> post(const DisbursementDocument& disbursement);

    store::Value scalar(const std::string& sql, std::vector<store::Value> binds = {}) { return orvant::testing::Scalar(*books_, sql, binds); }
    Money money(const std::string& sql, std::vector<store::Value> binds = {}) { return orvant::testing::ScalarMoney(*books_, sql, binds); }
    std::int64_t count(const std::string& sql, std::vector<store::Value> binds = {}) { return scalar(sql, std::move(binds)).asInt(); }
    void execute(const std::string& sql, std::vector<store::Value> binds = {}) { orvant::testing::Execute(*books_, sql, binds); }
    Money balance(const std::string& supplier) { return money("SELECT sup_current_bal FROM sup WHERE sup_code = ?", {supplier}); }
    Money openAmount(const std::string& supplier, const std::string& invoice, bool holdback = false)
    {
        return books().openItemReader().openAmount(supplier, invoice, holdback);
    }
    void expectBooksClean();

    PostingContext context{4, "ADMIN", {}, false};

private:
    std::unique_ptr<DisbursementBooks> books_disbursements_;
    std::unique_ptr<DisbursementPosting> posting_;
};

}  // namespace orvant::disbursements::testing
