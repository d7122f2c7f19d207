#pragma once
// Sales documents posted into the demo company's books, and what the books then hold.

#include <memory>
#include <string>

#include "sales_posting.h"
#include "testing/typed_documents.h"

namespace orvant::sales::testing {

// The demo company's accounts.
enum DemoAccount : int {
    kBank = 1000, kReceivable = 1100, kHoldbackReceivable = 1150, kFederalTax = 2200, kProvincialTax = 2210,
    kSales = 4000, kServices = 4010,
};

using orvant::testing::Amount;
using orvant::testing::SetLine;

class SalesTest : public orvant::testing::QueriedBooksTest {
protected:
    SalesTest() : QueriedBooksTest(Company::Demo) {}

    // The books opened for entry; again after a change of the control records.
    SalesBooks& books(bool jobCosting = false);
    SalesPosting& posting();

    // A sale (or other type) of the client, dated 2026-03-10, rows to be added.
    SalesDocument document(const std::string& client, SalesType type, const std::string& invoice,
                           const std::string& reference = {});
    // ABC100's sale of 100.00 with 7.00 federal and 8.00 provincial tax (115.00 receivable), and
    // the credit note taking it all back.
    SalesDocument sale(const std::string& invoice);
    SalesDocument creditNote(const std::string& invoice, const std::string& reference);

    // Checks, prepares and writes; the refusal when there is one.
    std::optional<Refusal> post(const SalesDocument& document, PostingAnswers answers = {});

    void addAccount(int account, const char* description);

    PostingContext context{4, "ADMIN", "Project sale", {}};

private:
    std::unique_ptr<SalesBooks> salesBooks_;
    std::unique_ptr<SalesPosting> posting_;
};

}  // namespace orvant::sales::testing
