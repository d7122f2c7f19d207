// The sales screen played by the screen driver against the real form, as a bookkeeper uses it:
// a sale, a credit note on it and a direct cash sale in English, a sale in French; then the
// books are read back.

#include "company/books_check.h"
#include "testing/scenario_player.h"

namespace orvant::sales {
namespace {

class SalesScenarios : public ::testing::Test {
protected:
    testing::ScenarioPlayer books_ = ORVANT_SCENARIO_PLAYER();
};

TEST_F(SalesScenarios, ASaleACreditNoteOnItAndADirectCashSale)
{
    books_.play("rcvsales", "sale");
    EXPECT_EQ(books_.money("SELECT car_amount FROM car WHERE car_invoice = 'S-101' AND car_type = '1'"), Money::fromUnits(115));
    EXPECT_EQ(books_.value("SELECT car_du_date FROM car WHERE car_invoice = 'S-101'").asDate(), *Date::fromYmd(2026, 4, 9));
    EXPECT_EQ(books_.money("SELECT cli_sales_ytd FROM cli WHERE cli_code = 'ABC100'"), Money::fromUnits(115));

    books_.play("rcvsales", "credit_note");
    EXPECT_EQ(books_.money("SELECT car_amount FROM car WHERE car_type = '5'"), Money::fromUnits(-115));
    EXPECT_EQ(books_.value("SELECT car_ref FROM car WHERE car_type = '5'").asString(), "CR-1");
    EXPECT_EQ(books_.value("SELECT car_memo FROM car WHERE car_type = '5'").asString(), "Returned goods");
    EXPECT_EQ(books_.money("SELECT cli_current_bal FROM cli WHERE cli_code = 'ABC100'"), Money());
    EXPECT_EQ(books_.value("SELECT tjlh_memo FROM tjlh WHERE tjlh_date = '2026-03-12'").asString(), "ABC Construction Ltd.\rReturned goods");

    books_.play("rcvsales", "cash_sale");
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM car").asInt(), 2) << "a cash sale has no ledger entry";
    EXPECT_TRUE(books_.value("SELECT direct_cash_sale FROM arori WHERE reference = 'CASH-1'").asBool());
    EXPECT_EQ(books_.value("SELECT client FROM arori WHERE reference = 'CASH-1'").asString(), "");
    EXPECT_EQ(books_.money("SELECT tjld_debit FROM tjld WHERE tjld_account = 1000"), Money::fromCents(5750));
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM arori").asInt(), 3);
    EXPECT_TRUE(company::CheckBooks(books_.installation(), 1).clean());
}

TEST_F(SalesScenarios, TheKeysMoveBetweenFieldsAndAcceptStopsAtTheFieldBeingTyped)
{
    books_.play("rcvsales", "arrow_keys");
    books_.play("rcvsales", "accept_key");
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM car WHERE car_invoice = 'K-1'").asInt(), 0);
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM tjld").asInt(), 0);
}

TEST_F(SalesScenarios, ASaleEnteredInFrench)
{
    books_.play("rcvsales", "vente", 2);
    EXPECT_EQ(books_.money("SELECT car_amount FROM car WHERE car_invoice = 'F-200'"), Money::fromRaw(12299550));
    EXPECT_EQ(books_.value("SELECT car_client FROM car WHERE car_invoice = 'F-200'").asString(), "BEL200");
    EXPECT_TRUE(company::CheckBooks(books_.installation(), 1).clean());
}

}  // namespace
}  // namespace orvant::sales
