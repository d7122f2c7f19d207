#pragma once
// Cash disbursements posted into the demo company's books, over purchases written the way the
// purchases posting writes them, and what the books then hold.

#include <memory>
#include <string>
#include <vector>

#include "company/demo_company.h"
#include "disbursement_posting.h"
#include "testing/typed_documents.h"

namespace orvant::disbursements::testing {

// The typed documents and the books shared by the payment postings' tests.
using namespace orvant::testing;

using company::demo::kBank;
using company::demo::kPayable;
using company::demo::kPurchases;
using company::demo::kRent;

class DisbursementTest : public orvant::testing::PaymentBooksTest<DisbursementBooks, DisbursementPosting> {
protected:

    // A purchase from the supplier dated 2026-03-10 (a credit note when `total` is negative):
    // its history, its journal (purchases against the payable) and its ledger entry, the part
    // `holdback` kept as the invoice's holdback item; the supplier's balance moves by the total.
    void purchase(const std::string& supplier, const std::string& invoice, const char* total, const char* holdback = nullptr);

    // A disbursement to the supplier dated 2026-03-20, its open items read, no rows.
    DisbursementDocument disbursement(const std::string& supplier, const std::string& reference);

    std::optional<Refusal> post(const DisbursementDocument& disbursement);

    Money balance(const std::string& supplier) { return money("SELECT sup_current_bal FROM sup WHERE sup_code = ?", {supplier}); }
    Money openAmount(const std::string& supplier, const std::string& invoice, bool holdback = false)
    {
        return books().openItemReader().openAmount(supplier, invoice, holdback);
    }

    PostingContext context{4, "ADMIN", {}, false};
};

}  // namespace orvant::disbursements::testing
