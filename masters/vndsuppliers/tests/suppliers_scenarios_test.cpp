// Supplier maintenance played by the screen driver against the real form, in English and in
// French; the books are read back.

#include "testing/scenario_player.h"

namespace orvant::masters {
namespace {

class SupplierScenarios : public ::testing::Test {
protected:
    void SetUp() override
    {
        // BUR100 has a purchase in its ledger.
        books_.execute("INSERT INTO cap (cap_supplier, cap_invoice, cap_ref, cap_type, cap_amount, cap_seq) "
                       "VALUES ('BUR100', 'P1', '', '1', 500000, 1)");
    }
    testing::ScenarioPlayer books_ = ORVANT_SCENARIO_PLAYER();
};

TEST_F(SupplierScenarios, ASupplierCreatedAndChangedOneDeletedOneWithEntriesKept)
{
    books_.play("vndsuppliers", "suppliers");
    const auto field = [&](const char* name) { return books_.value(std::string("SELECT ") + name + " FROM sup WHERE sup_code = 'NEW100'"); };
    EXPECT_EQ(field("sup_name").asString(), "La Papeterie Nouvelle");
    EXPECT_EQ(field("sup_email").asString(), "ventes@papeterie.example");
    EXPECT_EQ(field("sup_du_days").asInt(), 45);
    EXPECT_EQ(field("sup_accnt1").asInt(), 5200);
    EXPECT_EQ(field("sup_accnt2").asInt(), 5000);
    EXPECT_EQ(field("sup_bank_account").asInt(), 1000);
    EXPECT_EQ(field("sup_comments").asString(), "Order by Thursday");
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM sup WHERE sup_code = 'TEL400'").asInt(), 0) << "deleted";
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM sup WHERE sup_code = 'BUR100'").asInt(), 1) << "its entries keep it";
}

TEST_F(SupplierScenarios, ASupplierCreatedAndChangedInFrench)
{
    books_.play("vndsuppliers", "fournisseurs", 2);
    const auto field = [&](const char* name) { return books_.value(std::string("SELECT ") + name + " FROM sup WHERE sup_code = 'FR200'"); };
    EXPECT_EQ(field("sup_name").asString(), "Imprimerie Gagnon");
    EXPECT_EQ(field("sup_tel").asString(), "418-555-0123");
    EXPECT_EQ(field("sup_accnt1").asInt(), 5200);
    EXPECT_EQ(field("sup_bank_account").asInt(), 1000) << "the first bank account by default";
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM sup WHERE sup_code = 'TEL400'").asInt(), 0) << "deleted once answered Yes";
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM sup WHERE sup_code = 'BUR100'").asInt(), 1) << "its entries keep it";
}

}  // namespace
}  // namespace orvant::masters
