// "Recurring cheque entries" played by the screen driver against the real form: the rent paid
// every month to a payee whose address is copied from a supplier, a negative discount refused,
// the first save showing the distribution; in French, two cheques browsed by the keys and one
// deleted once confirmed; where cheques are checks, the question says so. The recurring cheques
// are read back.

#include "store/database.h"
#include "testing/scenario_player.h"

namespace orvant::cheques {
namespace {

using company::demo::kBank;
using company::demo::kOfficeSupplies;

TEST(RecurringChequeScenarios, TheMonthlyRentIsKeptAsARecurringCheque)
{
    const testing::ScenarioPlayer books = ORVANT_SCENARIO_PLAYER();
    books.play("vndcheqrecur", "monthly_rent");
    EXPECT_EQ(books.value("SELECT COUNT(*) FROM apchqh").asInt(), 0) << "the cheque list is left alone";
    EXPECT_EQ(books.value("SELECT apchqh_fou FROM recchqh WHERE apchqh_seq = 1").asString(), "");
    EXPECT_EQ(books.value("SELECT apchqh_nom FROM recchqh WHERE apchqh_seq = 1").asString(), "Hydro Services");
    EXPECT_EQ(books.value("SELECT apchqh_city FROM recchqh WHERE apchqh_seq = 1").asString(), "Montréal");
    EXPECT_EQ(books.value("SELECT apchqh_accnt2 FROM recchqh WHERE apchqh_seq = 1").asInt(), kBank);
    EXPECT_EQ(books.money("SELECT apchqh_dist2 FROM recchqh WHERE apchqh_seq = 1"), Money::fromUnits(-1200));
    EXPECT_EQ(books.value("SELECT apchqh_accnt4 FROM recchqh WHERE apchqh_seq = 1").asInt(), kOfficeSupplies);
    EXPECT_EQ(books.money("SELECT apchqh_dist4 FROM recchqh WHERE apchqh_seq = 1"), Money::fromUnits(1200));
    EXPECT_EQ(books.money("SELECT apchqd_esc FROM recchqd WHERE apchqd_invoice = 'RENT'"), Money());
}

TEST(RecurringChequeScenarios, TheKeysBrowseTheRecurringChequesAndDeleteOnlyOnceConfirmedInFrench)
{
    const testing::ScenarioPlayer books = ORVANT_SCENARIO_PLAYER();
    books.play("vndcheqrecur", "deux_cheques", 2);
    EXPECT_EQ(books.value("SELECT COUNT(*) FROM recchqh").asInt(), 1);
    EXPECT_EQ(books.value("SELECT apchqh_nom FROM recchqh WHERE apchqh_seq = 1").asString(), "Gestion Immobilière Laval");
    EXPECT_EQ(books.value("SELECT COUNT(*) FROM recchqd WHERE apchqd_seq = 2").asInt(), 0) << "the lines go with their cheque";
}

TEST(RecurringChequeScenarios, WhereChequesAreChecksTheDeleteQuestionSaysCheck)
{
    const testing::ScenarioPlayer books = ORVANT_SCENARIO_PLAYER();
    books.registry().setValue(kSettingsSection, u"Intl", "y");
    books.execute("INSERT INTO recchqh (apchqh_seq, apchqh_nom, apchqh_montant) VALUES (1, 'Hydro Services', 0)");
    books.play("vndcheqrecur", "us_wording");
    EXPECT_EQ(books.value("SELECT COUNT(*) FROM recchqh").asInt(), 1);
}

}  // namespace
}  // namespace orvant::cheques
