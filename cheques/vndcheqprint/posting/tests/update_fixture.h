#pragma once
// Printed cheques in the demo company's list, over purchases written the way the purchases
// posting writes them, the update run on them, and what the books then hold.

#include <string>
#include <vector>

#include "cheque_update.h"
#include "company/demo_company.h"
#include "testing/queried_books_test.h"

namespace orvant::cheques::test {

using company::demo::kBank;
using company::demo::kFederalTax;
using company::demo::kPayable;
using company::demo::kRent;
inline constexpr int kDiscount = 5900;
inline constexpr const char* kUser = "Administrator of the demo book";  // as wide as a user name

using orvant::testing::Amount;
inline Date March(int day) { return *Date::fromYmd(2026, 3, day); }

// A line paying `amount` of the invoice, less `discount`.
struct Paying {
    std::string invoice;
    const char* amount;
    const char* discount = "0";
};

class ChequeUpdateTest : public orvant::testing::QueriedBooksTest {
protected:
    ChequeUpdateTest() : QueriedBooksTest(Company::Demo) {}
    void SetUp() override;

    // A purchase (a credit note when `total` is negative) from the supplier dated March 10:
    // its history, journal and ledger entry, and the supplier's balance.
    void purchase(const std::string& supplier, const std::string& invoice, const char* total);
    // A cheque numbered `number` dated March 20 paying the supplier's invoices: its distribution
    // the list's (payable, bank, discount). Gives its sequence.
    int supplierCheque(const std::string& supplier, const std::string& number, const std::vector<Paying>& lines);
    // A cheque numbered `number` to a payee who is not a supplier: rent debited, the bank credited.
    int payeeCheque(const std::string& number, const char* amount);
    void store(const Cheque& cheque);
    Cheque stored(int seq) { return *ChequeStore(*books_, ChequeSet::List).read(seq); }
    static PrintedCheque printed(const Cheque& cheque) { return {cheque.seq, cheque.number, cheque.bankAccount(), cheque}; }
    PrintedCheque printed(int seq) { return printed(stored(seq)); }

    ChequeUpdateReport update(const std::vector<PrintedCheque>& cheques, store::Database* books = nullptr);

    ChequeUpdateContext context;
};

}  // namespace orvant::cheques::test
