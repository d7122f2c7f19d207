// Client maintenance played by the screen driver against the real form, in English and in
// French; the books are read back.

#include "testing/scenario_player.h"

namespace orvant::masters {
namespace {

class ClientScenarios : public ::testing::Test {
protected:
    void SetUp() override
    {
        // ABC100 has a sale in its ledger.
        books_.execute("INSERT INTO car (car_client, car_invoice, car_ref, car_type, car_amount, car_seq) "
                       "VALUES ('ABC100', 'A1', '', '1', 1150000, 1)");
    }
    testing::ScenarioPlayer books_ = ORVANT_SCENARIO_PLAYER();
};

TEST_F(ClientScenarios, AClientCreatedAndChangedOneDeletedOneWithEntriesKept)
{
    books_.play("rcvclients", "clients");
    const auto field = [&](const char* name) { return books_.value(std::string("SELECT ") + name + " FROM cli WHERE cli_code = 'NEW100'"); };
    EXPECT_EQ(field("cli_name").asString(), "La Nouvelle Boulangerie");
    EXPECT_EQ(field("cli_email").asString(), "compta@boulangerie.example");
    EXPECT_EQ(field("cli_postal_code").asString(), "H2X 1Y4");
    EXPECT_EQ(field("cli_salesrep").asString(), "MT");
    EXPECT_EQ(field("cli_terr").asString(), "N");
    EXPECT_EQ(field("cli_credit_limit").asInt(), 5000);
    EXPECT_EQ(field("cli_accnt1").asInt(), 4010);
    EXPECT_TRUE(field("cli_email_invoice").asBool());
    EXPECT_EQ(field("cli_bank").asString(), "Caisse du Plateau");
    EXPECT_EQ(field("cli_ship_via").asString(), "Back door");
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM cli WHERE cli_code = 'NOR400'").asInt(), 0) << "deleted";
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM cli WHERE cli_code = 'ABC100'").asInt(), 1) << "its entries keep it";
}

TEST_F(ClientScenarios, AClientCreatedAndChangedInFrench)
{
    books_.play("rcvclients", "clients_fr", 2);
    const auto field = [&](const char* name) { return books_.value(std::string("SELECT ") + name + " FROM cli WHERE cli_code = 'FR100'"); };
    EXPECT_EQ(field("cli_name").asString(), "Quincaillerie Tremblay");
    EXPECT_EQ(field("cli_tel").asString(), "418-555-0199");
    EXPECT_EQ(books_.money("SELECT cli_sales_ytd FROM cli WHERE cli_code = 'FR100'"), Money::fromRaw(12345675)) << "typed in French, kept to its last decimal";
    EXPECT_EQ(books_.money("SELECT cli_sales_mth FROM cli WHERE cli_code = 'FR100'"), Money::fromCents(1250)) << "12.50 refused in French, then 12,50";
    EXPECT_EQ(field("cli_salesrep").asString(), "SL");
    EXPECT_EQ(field("cli_du_days").asInt(), 30);
    EXPECT_EQ(field("cli_accnt2").asInt(), 4020);
    EXPECT_TRUE(field("cli_email_statement").asBool());
    EXPECT_EQ(field("cli_bank").asString(), "Banque Laurentienne");
    EXPECT_EQ(field("cli_comments").asString(), "Livrer le matin");
    EXPECT_TRUE(field("cli_tax_fed").asBool());
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM cli WHERE cli_code = 'WES500'").asInt(), 0) << "deleted";
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM cli WHERE cli_code = 'ABC100'").asInt(), 1) << "its entries keep it";
}

}  // namespace
}  // namespace orvant::masters
