#pragma once
// Purchase documents posted into the demo company's books, and what the books then hold.

#include <memory>
#include <ostream>
#include <string>

#include "company/demo_company.h"
#include "purchase_posting.h"
#include "testing/books_fixture.h"
#include "testing/books_queries.h"

namespace orvant {
inline void PrintTo(const Money& amount, std::ostream* out) { *out << amount.toString(4); }
}  // namespace orvant

namespace orvant::purchases::testing {

using namespace orvant::company::demo;

Money Amount(const char* text);

class PurchaseTest : public orvant::testing::BooksTest {
protected:
    PurchaseTest() : BooksTest(Company::Demo) {}

    // The books opened for entry; again after a change of the control records.
    PurchaseBooks& books(bool jobCosting = false);
    PurchasePosting& posting();

    // A document of the supplier dated 2026-03-10, rows to be added.
    static PurchaseDocument document(const std::string& supplier, PurchaseType type, const std::string& invoice,
                                     const std::string& reference = {});
    static void addRow(PurchaseDocument& document, int row, int account, const char* debit, const char* credit);
    // Expense debited, payable credited (the other way round for a credit note).
    static PurchaseDocument simple(const std::string& supplier, PurchaseType type, const std::string& invoice, const char* amount,
                                   const std::string& reference = {});

    // Checks, prepares and writes; the refusal when there is one.
    std::optional<Refusal> post(const PurchaseDocument& document, PostingAnswers answers = {});

    // One value of a query over the books (the first column of the first row).
    store::Value scalar(const std::string& sql, std::vector<store::Value> binds = {}) { return orvant::testing::Scalar(*books_, sql, binds); }
    Money money(const std::string& sql, std::vector<store::Value> binds = {}) { return orvant::testing::ScalarMoney(*books_, sql, binds); }
    std::int64_t count(const std::string& sql, std::vector<store::Value> binds = {}) { return scalar(sql, std::move(binds)).asInt(); }
    void execute(const std::string& sql, std::vector<store::Value> binds = {}) { orvant::testing::Execute(*books_, sql, binds); }

    Money balance(const char* supplier = "BUR100");
    Money ledgerSum(const char* supplier = "BUR100");
    void expectBooksClean();

    PostingContext context{4, "ADMIN", "Project purchase", {}};

private:
    std::unique_ptr<PurchaseBooks> purchaseBooks_;
    std::unique_ptr<PurchasePosting> posting_;
};

}  // namespace orvant::purchases::testing
