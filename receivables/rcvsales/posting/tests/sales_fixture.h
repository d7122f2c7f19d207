#pragma once
// Sales documents posted into the demo company's books, and what the books then hold.

#include <memory>
#include <ostream>
#include <string>

#include "sales_posting.h"
#include "testing/books_fixture.h"
#include "testing/books_queries.h"

namespace orvant::sales::testing {

// The demo company's accounts.
enum DemoAccount : int {
    kBank = 1000, kReceivable = 1100, kHoldbackReceivable = 1150, kFederalTax = 2200, kProvincialTax = 2210,
    kSales = 4000, kServices = 4010,
};

Money Amount(const char* text);

}  // namespace orvant::sales::testing

namespace orvant {
inline void PrintTo(const Money& amount, std::ostream* out) { *out << amount.toString(4); }
}  // namespace orvant

namespace orvant::sales::testing {

class SalesTest : public orvant::testing::BooksTest {
protected:
    SalesTest() : BooksTest(Company::Demo) {}

    // The books opened for entry; again after a change of the control records.
    SalesBooks& books(bool jobCosting = false);
    SalesPosting& posting();

    // A sale (or other type) of the client, dated 2026-03-10, rows to be added.
    SalesDocument document(const std::string& client, SalesType type, const std::string& invoice,
                           const std::string& reference = {});
    static void addRow(SalesDocument& document, int row, int account, const char* debit, const char* credit);

    // Checks, prepares and writes; the refusal when there is one.
    std::optional<Refusal> post(const SalesDocument& document, PostingAnswers answers = {});

    // One value of a query over the books (the first column of the first row).
    store::Value scalar(const std::string& sql, std::vector<store::Value> binds = {}) { return orvant::testing::Scalar(*books_, sql, binds); }
    Money money(const std::string& sql, std::vector<store::Value> binds = {}) { return orvant::testing::ScalarMoney(*books_, sql, binds); }
    std::int64_t count(const std::string& sql, std::vector<store::Value> binds = {}) { return scalar(sql, std::move(binds)).asInt(); }

    void execute(const std::string& sql, std::vector<store::Value> binds = {}) { orvant::testing::Execute(*books_, sql, binds); }
    void addAccount(int account, const char* description);

    PostingContext context{4, "ADMIN", "Project sale", {}};

private:
    std::unique_ptr<SalesBooks> salesBooks_;
    std::unique_ptr<SalesPosting> posting_;
};

}  // namespace orvant::sales::testing
