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

TEST_F(ClientScenarios, ACreatedClientIsChangedThenDeletedAndAClientWithEntriesStays)
{
    books_.play("rcvclients", "clients");
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM cli WHERE cli_code = 'NEW100'").asInt(), 0) << "deleted at the end";
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM cli WHERE cli_code = 'ABC100'").asInt(), 1) << "its entries keep it";
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM cli WHERE cli_code = 'NOR400'").asInt(), 1);
}

TEST_F(ClientScenarios, AClientCreatedAndChangedInFrench)
{
    books_.play("rcvclients", "clients_fr", 2);
    const auto field = [&](const char* name) { return books_.value(std::string("SELECT ") + name + " FROM cli WHERE cli_code = 'FR100'"); };
    EXPECT_EQ(field("cli_name").asString(), "Quincaillerie Tremblay");
    EXPECT_EQ(field("cli_tel").asString(), "418-555-0199");
    EXPECT_EQ(field("cli_salesrep").asString(), "SL");
    EXPECT_EQ(field("cli_du_days").asInt(), 30);
    EXPECT_EQ(field("cli_accnt2").asInt(), 4020);
    EXPECT_TRUE(field("cli_email_statement").asBool());
    EXPECT_EQ(field("cli_bank").asString(), "Banque Laurentienne");
    EXPECT_EQ(field("cli_comments").asString(), "Livrer le matin");
    EXPECT_TRUE(field("cli_tax_fed").asBool());
}

}  // namespace
}  // namespace orvant::masters
