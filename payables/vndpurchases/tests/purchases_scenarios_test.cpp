// The purchases screen played by the screen driver against the real form, as a bookkeeper uses
// it: a purchase in English, then a credit note on it in French; the books are read back.

#include "company/books_check.h"
#include "testing/scenario_player.h"

namespace orvant::purchases {
namespace {

TEST(PurchasesScenarios, APurchaseThenACreditNoteOnItInFrench)
{
    testing::ScenarioPlayer books = ORVANT_SCENARIO_PLAYER();
    books.play("vndpurchases", "purchase");
    EXPECT_EQ(books.money("SELECT cap_amount FROM cap WHERE cap_invoice = 'A-100' AND cap_type = '1'"), Money::fromCents(133456));
    EXPECT_EQ(books.value("SELECT cap_du_date FROM cap WHERE cap_invoice = 'A-100'").asDate(), *Date::fromYmd(2026, 4, 9));
    EXPECT_EQ(books.money("SELECT sup_purch_ytd FROM sup WHERE sup_code = 'MAP300'"), Money::fromCents(133456));
    EXPECT_EQ(books.money("SELECT tjld_debit FROM tjld WHERE tjld_account = 5300"), Money::fromUnits(100));
    EXPECT_EQ(books.value("SELECT tjlh_journal FROM tjlh WHERE tjlh_reference = 'A-100'").asInt(), 3);

    books.play("vndpurchases", "note_de_credit", 2);
    EXPECT_EQ(books.money("SELECT cap_amount FROM cap WHERE cap_type = '5'"), Money::fromCents(-123456));
    EXPECT_EQ(books.value("SELECT cap_ref FROM cap WHERE cap_type = '5'").asString(), "NC-1");
    EXPECT_EQ(books.value("SELECT cap_memo FROM cap WHERE cap_type = '5'").asString(), "Marchandise retournée");
    EXPECT_EQ(books.money("SELECT sup_current_bal FROM sup WHERE sup_code = 'MAP300'"), Money::fromUnits(100));
    EXPECT_EQ(books.value("SELECT COUNT(*) FROM apori").asInt(), 2);
    EXPECT_TRUE(company::CheckBooks(books.installation(), 1).clean());
}

}  // namespace
}  // namespace orvant::purchases
