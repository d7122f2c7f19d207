#pragma once
// Purchase documents posted into the demo company's books, and what the books then hold.

#include <memory>
#include <string>

#include "company/demo_company.h"
#include "purchase_posting.h"
#include "testing/typed_documents.h"

namespace orvant::purchases::testing {

using namespace orvant::company::demo;
using orvant::testing::Amount;
using orvant::testing::SetLine;

class PurchaseTest : public orvant::testing::QueriedBooksTest {
protected:
    PurchaseTest() : QueriedBooksTest(Company::Demo) {}

    // The books opened for entry; again after a change of the control records.
    PurchaseBooks& books(bool jobCosting = false);
    PurchasePosting& posting();

    // A document of the supplier dated 2026-03-10, rows to be added.
    static PurchaseDocument document(const std::string& supplier, PurchaseType type, const std::string& invoice,
                                     const std::string& reference = {});
    // Expense debited, payable credited (the other way round for a credit note).
    static PurchaseDocument simple(const std::string& supplier, PurchaseType type, const std::string& invoice, const char* amount,
                                   const std::string& reference = {});

    // Checks, prepares and writes; the refusal when there is one.
    std::optional<Refusal> post(const PurchaseDocument& document, PostingAnswers answers = {});

    Money balance(const char* supplier = "BUR100");
    Money ledgerSum(const char* supplier = "BUR100");

    PostingContext context{4, "ADMIN", "Project purchase", {}};

private:
    std::unique_ptr<PurchaseBooks> purchaseBooks_;
    std::unique_ptr<PurchasePosting> posting_;
};

}  // namespace orvant::purchases::testing
