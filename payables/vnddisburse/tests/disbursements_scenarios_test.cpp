// The cash disbursements screen played by the screen driver against the real form, as a
// bookkeeper uses it: a cheque paying two invoices, an expense paid to no supplier, and a
// holdback paid in a French session; then the books are read back.

#include "company/books_check.h"
#include "testing/scenario_player.h"
#include "testing/written_purchase.h"

namespace orvant::disbursements {
namespace {

class DisbursementScenarios : public ::testing::Test {
protected:
    // A purchase from the supplier dated 2026-03-10 as the purchases posting leaves it in the
    // books: its history, its journal, its ledger entry (less the part held back, an item of its
    // own) and the supplier's balance.
    void purchase(const std::string& supplier, const std::string& invoice, Money total, Money holdback = {})
    {
        testing::WritePurchase(*books_.books(), {supplier, invoice, total, holdback});
    }

    void expectBooksClean()
    {
        const company::BooksReport report = company::CheckBooks(books_.installation(), 1);
        EXPECT_TRUE(report.clean()) << ::testing::PrintToString(report.problems);
    }

    testing::ScenarioPlayer books_ = ORVANT_SCENARIO_PLAYER();
};

TEST_F(DisbursementScenarios, AChequePaysTwoInvoices)
{
    purchase("BUR100", "A1", Money::fromUnits(40));
    purchase("BUR100", "A2", Money::fromUnits(60));
    books_.play("vnddisburse", "two_invoices");
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM cdoridet WHERE reference = 'CHQ-100'").asInt(), 2);
    EXPECT_EQ(books_.money("SELECT SUM(cap_amount) FROM cap WHERE cap_ref = 'CHQ-100' AND cap_type = '2'"), Money::fromUnits(-100));
    EXPECT_EQ(books_.money("SELECT concil_montant FROM concil WHERE concil_reference = 'CHQ-100'"), Money::fromUnits(-100));
    EXPECT_EQ(books_.money("SELECT sup_current_bal FROM sup WHERE sup_code = 'BUR100'"), Money());
    expectBooksClean();
}

TEST_F(DisbursementScenarios, AnExpensePaidToNoSupplier)
{
    books_.play("vnddisburse", "not_to_supplier");
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM cap").asInt(), 0);
    EXPECT_TRUE(books_.value("SELECT not_to_sup FROM cdorihdr WHERE reference = 'R-900'").asBool());
    EXPECT_EQ(books_.value("SELECT concil_nom FROM concil WHERE concil_reference = 'R-900'").asString(), "Office rent");
    EXPECT_EQ(books_.money("SELECT tjld_debit FROM tjld WHERE tjld_reference = 'R-900' AND tjld_account = 5100"), Money::fromUnits(500));
    expectBooksClean();
}

TEST_F(DisbursementScenarios, AHoldbackPaidInFrench)
{
    purchase("HYD200", "B7", Money::fromUnits(200), Money::fromCents(2050));
    books_.play("vnddisburse", "retenue", 2);
    EXPECT_TRUE(books_.value("SELECT cap_holdback FROM cap WHERE cap_ref = 'CHQ-77'").asBool());
    EXPECT_EQ(books_.value("SELECT cap_invoice FROM cap WHERE cap_ref = 'CHQ-77'").asString(), "B7");
    EXPECT_EQ(books_.money("SELECT SUM(cap_amount) FROM cap WHERE cap_invoice = 'B7' AND cap_holdback = TRUE"), Money())
        << "the holdback is closed";
    EXPECT_EQ(books_.money("SELECT sup_current_bal FROM sup WHERE sup_code = 'HYD200'"), Money::fromCents(17950));
    expectBooksClean();
}

}  // namespace
}  // namespace orvant::disbursements
