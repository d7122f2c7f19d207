#pragma once
// Cash receipts posted into the demo company's books, over invoices posted by the sales
// posting, and what the books then hold.

#include <memory>
#include <string>
#include <vector>

#include "receipt_posting.h"
#include "sales_posting.h"
#include "testing/typed_documents.h"

namespace orvant::receipts::testing {

// The typed documents and the books shared by the payment postings' tests.
using namespace orvant::testing;

enum DemoAccount : int {
    kBank = 1000, kReceivable = 1100, kHoldbackReceivable = 1150, kFederalTax = 2200, kProvincialTax = 2210,
    kSales = 4000, kBankCharges = 5400, kFederalHoldback = 1160, kProvincialHoldback = 1170,
};

class ReceiptTest : public orvant::testing::PaymentBooksTest<ReceiptBooks, ReceiptPosting> {
protected:

    // A sale of the client through the sales posting: the receivable debited, sales credited
    // (and, with `tax`, the federal tax credited), optionally a holdback of an amount.
    void sell(const std::string& client, const std::string& invoice, const char* total, const char* tax = nullptr,
              const char* holdback = nullptr);
    // Sets the job-costing control's holdback accounts (the tax ones added to the chart).
    void setHoldbackAccounts();

    // A receipt of the client dated 2026-03-20, its open items read, no lines.
    ReceiptDocument receipt(const std::string& client, const std::string& reference);

    std::optional<Refusal> post(const ReceiptDocument& receipt);

    Money balance(const std::string& client) { return money("SELECT cli_current_bal FROM cli WHERE cli_code = ?", {client}); }

    PostingContext context{4, "ADMIN", {}, false};
};

}  // namespace orvant::receipts::testing
