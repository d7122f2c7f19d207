// "Edit cheque entries" played by the screen driver against the real form, as a bookkeeper uses
// it: a cheque added by hand to a supplier paying two of its invoices, one with a discount; a
// cheque to a payee who is not a supplier, spread over two accounts, in a French session; the
// sales tax of a cheque asked for per rate after its save. The cheque list is read back.

#include "books/ledger_writer.h"
#include "books/supplier_record.h"
#include "store/database.h"
#include "store/query.h"
#include "store/table.h"
#include "testing/scenario_player.h"

namespace orvant::cheques {
namespace {

using company::demo::kBank;
using company::demo::kBankCharges;
using company::demo::kOfficeSupplies;
using company::demo::kPayable;
using company::demo::kRent;

class ChequeEditScenarios : public ::testing::Test {
protected:
    // An invoice of the supplier dated 2026-03-10, due 2026-04-09, open in its ledger.
    void invoice(const std::string& supplier, const std::string& number, Money amount)
    {
        const auto books = books_.books();
        store::Table suppliers(*books, "sup");
        suppliers.open();
        ASSERT_TRUE(suppliers.findKey({supplier}));
        suppliers.edit();
        store::Transaction transaction(*books, store::OnRefusedWrite::SpoilTransaction);
        LedgerWriter(*books, Ledger::Payables)
            .add({supplier, number, {}, *Date::fromYmd(2026, 3, 10), *Date::fromYmd(2026, 4, 9), "1", amount, {}, {}, {}, {}, false, "ADMIN"});
        SupplierRecord(suppliers).moveBalance(amount);
        suppliers.post();
        transaction.commit();
    }

    int integer(const std::string& sql) const { return books_.value(sql).asInt(); }

    testing::ScenarioPlayer books_ = ORVANT_SCENARIO_PLAYER();
};

TEST_F(ChequeEditScenarios, AChequeToASupplierPaysTwoInvoicesOneWithADiscount)
{
    invoice("BUR100", "A1", Money::fromUnits(40));
    invoice("BUR100", "A2", Money::fromUnits(60));
    books_.play("vndcheqedit", "two_invoices");
    EXPECT_EQ(books_.value("SELECT apchqh_fou FROM apchqh WHERE apchqh_seq = 1").asString(), "BUR100");
    EXPECT_EQ(books_.money("SELECT apchqh_montant FROM apchqh WHERE apchqh_seq = 1"), Money::fromCents(9880));
    struct Slot {
        int slot, account;
        Money amount;
    } expected[] = {{1, kPayable, Money::fromUnits(100)}, {2, kBank, Money::fromCents(-9880)}, {3, kRent, Money::fromCents(-120)}};
    for (const Slot& s : expected) {
        const std::string n = std::to_string(s.slot);
        EXPECT_EQ(integer("SELECT apchqh_accnt" + n + " FROM apchqh WHERE apchqh_seq = 1"), s.account) << "slot " << n;
        EXPECT_EQ(books_.money("SELECT apchqh_dist" + n + " FROM apchqh WHERE apchqh_seq = 1"), s.amount) << "slot " << n;
    }
    EXPECT_EQ(books_.money("SELECT apchqd_esc FROM apchqd WHERE apchqd_invoice = 'A2'"), Money::fromCents(120));
    EXPECT_EQ(books_.money("SELECT SUM(apchqd_payment) FROM apchqd WHERE apchqd_seq = 1"), Money::fromCents(9880));
    EXPECT_THAT(books_.value("SELECT apchqh_desc FROM apchqh WHERE apchqh_seq = 1").asString(), ::testing::StartsWith("Ninety-Eight"));
}

TEST_F(ChequeEditScenarios, AChequeWithoutSupplierIsSpreadOverTwoAccountsInFrench)
{
    books_.play("vndcheqedit", "sans_fournisseur", 2);
    EXPECT_EQ(books_.value("SELECT apchqh_fou FROM apchqh WHERE apchqh_seq = 1").asString(), "");
    EXPECT_EQ(books_.value("SELECT apchqh_nom FROM apchqh WHERE apchqh_seq = 1").asString(), "Immeubles Saint-Laurent");
    EXPECT_EQ(integer("SELECT apchqh_accnt1 FROM apchqh WHERE apchqh_seq = 1"), 0);
    EXPECT_EQ(books_.money("SELECT apchqh_dist2 FROM apchqh WHERE apchqh_seq = 1"), Money::fromUnits(-500));
    EXPECT_EQ(integer("SELECT apchqh_accnt4 FROM apchqh WHERE apchqh_seq = 1"), kOfficeSupplies);
    EXPECT_EQ(books_.money("SELECT apchqh_dist4 FROM apchqh WHERE apchqh_seq = 1"), Money::fromUnits(300));
    EXPECT_EQ(integer("SELECT apchqh_accnt5 FROM apchqh WHERE apchqh_seq = 1"), kBankCharges);
    EXPECT_EQ(books_.money("SELECT apchqh_dist5 FROM apchqh WHERE apchqh_seq = 1"), Money::fromUnits(200));
    EXPECT_THAT(books_.value("SELECT apchqh_desc FROM apchqh WHERE apchqh_seq = 1").asString(), ::testing::StartsWith("Cinq"));
    EXPECT_EQ(integer("SELECT COUNT(*) FROM apchqd WHERE apchqd_date = '2026-03-01' AND apchqd_du_date IS NOT NULL"), 1)
        << "a due date that does not exist leaves the line's own";
}

TEST_F(ChequeEditScenarios, TheTaxPaidIsAskedForPerRateAfterTheSave)
{
    store::Query(*books_.books(), "UPDATE ctrl SET ctrl_taxsystem = 1").execute();
    books_.play("vndcheqedit", "taxes_per_rate");
    EXPECT_EQ(books_.value("SELECT description FROM apchvat WHERE headerseq = 1").asString(), "GST");
    EXPECT_EQ(books_.money("SELECT taxamount FROM apchvat WHERE headerseq = 1"), Money::fromUnits(5));
    EXPECT_EQ(books_.money("SELECT totalamount FROM apchvat WHERE headerseq = 1"), Money::fromUnits(100));
    EXPECT_EQ(integer("SELECT COUNT(*) FROM apchvat"), 1);
}

}  // namespace
}  // namespace orvant::cheques
