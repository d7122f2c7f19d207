// The cash receipts screen played by the screen driver against the real form, as a bookkeeper
// uses it: a receipt applied to an invoice the sales screen posted, a receipt not from a client,
// and a holdback paid in a French session; then the books are read back.

#include "company/books_check.h"
#include "sales_posting.h"
#include "testing/scenario_player.h"

namespace orvant::receipts {
namespace {

class ReceiptScenarios : public ::testing::Test {
protected:
    // A sale of 12,345.60 to the client, 1,234.56 of it held back, through the sales posting
    // with the holdback accounts of job costing set.
    void sellWithHoldback(const std::string& client, const std::string& invoice)
    {
        books_.execute("DELETE FROM jcctrl");
        books_.execute("INSERT INTO jcctrl (jcctrl_arholdbackaccnt, jcctrl_taxcalctype) VALUES (1150, 0)");
        const auto books = books_.books();
        sales::SalesBooks salesBooks(*books, true);
        sales::SalesPosting sales(salesBooks);
        sales::SalesDocument document;
        document.client = client;
        document.invoice = invoice;
        document.date = *Date::fromYmd(2026, 3, 10);
        document.dueDate = *Date::fromYmd(2026, 4, 9);
        document.rows.setAccount(0, 1100, "Accounts receivable");
        document.rows.setDebit(0, Money::fromCents(1234560));
        document.rows.setAccount(1, 4000, "Sales");
        document.rows.setCredit(1, Money::fromCents(1234560));
        HoldbackAnswer holdback;
        holdback.amount = Money::fromCents(123456);
        holdback.dueDate = *Date::fromYmd(2026, 6, 30);
        auto prepared = sales.prepare(document, {{}, holdback, {}});
        ASSERT_TRUE(std::holds_alternative<sales::PreparedDocument>(prepared));
        ASSERT_EQ(sales.write(std::get<sales::PreparedDocument>(prepared), {4, "ADMIN", "Project sale", {}}), std::nullopt);
    }

    testing::ScenarioPlayer books_ = ORVANT_SCENARIO_PLAYER();
};

TEST_F(ReceiptScenarios, AClientsChequePaysItsInvoice)
{
    books_.play("rcvsales", "invoice");
    books_.play("rcvreceipts", "applied_receipt");
    EXPECT_EQ(books_.money("SELECT car_amount FROM car WHERE car_ref = 'CHQ-501' AND car_type = '2'"), Money::fromUnits(-115));
    EXPECT_EQ(books_.value("SELECT car_invoice FROM car WHERE car_ref = 'CHQ-501'").asString(), "S-500");
    EXPECT_EQ(books_.money("SELECT cli_current_bal FROM cli WHERE cli_code = 'ABC100'"), Money());
    EXPECT_EQ(books_.money("SELECT concil_montant FROM concil WHERE concil_reference = 'CHQ-501'"), Money::fromUnits(115));
    EXPECT_EQ(books_.money("SELECT invoice_payment FROM croridet WHERE reference = 'CHQ-501'"), Money::fromUnits(115));
    EXPECT_TRUE(company::CheckBooks(books_.installation(), 1).clean());
}

TEST_F(ReceiptScenarios, AReceiptNotFromAClientTouchesNoClient)
{
    books_.play("rcvreceipts", "not_from_client");
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM car").asInt(), 0);
    EXPECT_EQ(books_.value("SELECT comments FROM crorihdr WHERE reference = 'R-900'").asString(), "Scrap metal sold");
    EXPECT_TRUE(books_.value("SELECT not_from_cli FROM crorihdr WHERE reference = 'R-900'").asBool());
    EXPECT_EQ(books_.money("SELECT tjld_debit FROM tjld WHERE tjld_reference = 'R-900' AND tjld_account = 1000"), Money::fromUnits(50));
    EXPECT_TRUE(company::CheckBooks(books_.installation(), 1).clean());
}

TEST_F(ReceiptScenarios, AHoldbackPaidInFrench)
{
    sellWithHoldback("BEL200", "H-10");
    books_.play("rcvreceipts", "retenue", 2);
    EXPECT_EQ(books_.money("SELECT car_amount FROM car WHERE car_ref = 'CHQ-77'"), Money::fromCents(-123456));
    EXPECT_TRUE(books_.value("SELECT car_holdback FROM car WHERE car_ref = 'CHQ-77'").asBool());
    EXPECT_EQ(books_.money("SELECT SUM(car_amount) FROM car WHERE car_invoice = 'H-10' AND car_holdback = TRUE"), Money())
        << "the holdback is closed";
    EXPECT_EQ(books_.money("SELECT cli_current_bal FROM cli WHERE cli_code = 'BEL200'"), Money::fromCents(1111104));
    EXPECT_TRUE(company::CheckBooks(books_.installation(), 1).clean());
}

}  // namespace
}  // namespace orvant::receipts
