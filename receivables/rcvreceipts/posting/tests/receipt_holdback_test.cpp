// Holdbacks collected by receipts: the holdback item paid down to 0 in parts, its taxes moved
// back from the tax holdback accounts to the cent, and nothing collected twice.

#include <tuple>

#include "receipt_fixture.h"

namespace orvant::receipts::testing {
namespace {

class ReceiptHoldbackTest : public ReceiptTest {
protected:
    void SetUp() override
    {
        ReceiptTest::SetUp();
        if (IsSkipped()) return;
        setHoldbackAccounts();
        sell("ABC100", "H100", "345.00", "45.00", "50.00");
    }

    Money accountMovement(int account)
    {
        return money("SELECT COALESCE(SUM(tjld_debit), 0) - COALESCE(SUM(tjld_credit), 0) FROM tjld WHERE tjld_account = ?", {account});
    }

    const OpenItem& item(const std::vector<OpenItem>& items, bool holdback)
    {
        for (const OpenItem& i : items)
            if (i.holdback == holdback) return i;
        throw std::logic_error("no such item");
    }

    std::optional<Refusal> collect(const std::string& reference, Money onInvoice, Money onHoldback)
    {
        ReceiptDocument document = receipt("ABC100", reference);
        const Money total = onInvoice + onHoldback;
        document.rows.setAccount(0, kBank, "Bank");
        document.rows.setAccount(1, kReceivable, "Receivable");
        document.rows.setDebit(total.isNegative() ? 1 : 0, total.abs());
        document.rows.setCredit(total.isNegative() ? 0 : 1, total.abs());
        for (OpenItem& i : document.items) i.payment = i.holdback ? onHoldback : onInvoice;
        return post(document);
    }
};

TEST_P(ReceiptHoldbackTest, AHoldbackPaidInPartsClosesWithItsTaxesToTheCent)
{
    const std::vector<OpenItem> sold = books().openItems("ABC100");
    ASSERT_EQ(sold.size(), 2u);
    const OpenItem holdback = item(sold, true);
    ASSERT_GT(holdback.amount, Money());
    ASSERT_GT(holdback.federalTax, Money());
    const Money taxHeld = accountMovement(kFederalHoldback);
    ASSERT_EQ(-taxHeld, holdback.federalTax);

    // A third first, then whatever is left: the second takes the tax that remains exactly.
    const Money third = RoundMoney(Money::fromRaw(holdback.amount.raw() / 3));
    ASSERT_EQ(collect("R1", item(sold, false).amount, third), std::nullopt);
    expectBooksClean();
    const OpenItem afterFirst = item(books().openItems("ABC100"), true);
    EXPECT_EQ(afterFirst.amount, holdback.amount - third);
    EXPECT_LT(afterFirst.federalTax, holdback.federalTax);
    EXPECT_GT(afterFirst.federalTax, Money());

    ASSERT_EQ(collect("R2", Money(), afterFirst.amount), std::nullopt);
    expectBooksClean();
    for (const OpenItem& i : books().openItems("ABC100")) {
        EXPECT_TRUE(i.amount.isZero()) << i.invoice << (i.holdback ? " holdback" : "");
        EXPECT_TRUE(i.federalTax.isZero());
    }
    EXPECT_TRUE(accountMovement(kFederalHoldback).isZero());
    EXPECT_TRUE(accountMovement(kHoldbackReceivable).isZero());
    EXPECT_EQ(accountMovement(kFederalTax), -Amount("45.00"));
    EXPECT_TRUE(balance("ABC100").isZero());
    // Payments only: no entry for anything the payments left over.
    EXPECT_EQ(count("SELECT COUNT(*) FROM car WHERE car_ref IN ('R1', 'R2') AND car_type <> '2'"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM car WHERE car_ref IN ('R1', 'R2') AND car_holdback = ?", {true}), 2);

    // Nothing is left to collect, and a holdback is never paid back.
    for (const char* payment : {"0.01", "-1.00"})
        EXPECT_EQ(collect("R3", Money(), Amount(payment)), (Refusal{kHoldbackPaymentRefused, ReceiptField::OpenItem, 1})) << payment;
    EXPECT_EQ(count("SELECT COUNT(*) FROM crorihdr WHERE reference = 'R3'"), 0);
}

TEST_P(ReceiptHoldbackTest, ACollectionNeedingMoreLinesThanTheDistributionHoldsIsRefused)
{
    ReceiptDocument document = receipt("ABC100", "FULL");
    const Money held = item(document.items, true).amount;
    document.rows.setAccount(0, kBank, "Bank");
    document.rows.setDebit(0, held);
    document.rows.setAccount(1, kReceivable, "Receivable");
    document.rows.setCredit(1, held);
    for (int row = 2; row < kDistributionRows; ++row) document.rows.setAccount(row, kSales, "Sales");
    Pay(document, "H100", held.toString(4).c_str(), true);
    EXPECT_EQ(post(document), (Refusal{kTooManyLines, ReceiptField::Totals}));
    EXPECT_EQ(count("SELECT COUNT(*) FROM crorihdr"), 0);
}

TEST_P(ReceiptHoldbackTest, ATaxHeldBackOnAnAccountTheChartLacksIsNotCollected)
{
    execute("DELETE FROM glm WHERE glm_account = ?", {kFederalHoldback});
    EXPECT_EQ(collect("M", Money(), Amount("10.00")), (Refusal{kNoSuchAccount, ReceiptField::Totals}));
    EXPECT_EQ(count("SELECT COUNT(*) FROM crorihdr"), 0);
}

// The items of some invoices are those invoices' items of the whole list, an invoice with its
// holdback, to the taxes left; invoices the client lacks give none.
TEST_P(ReceiptHoldbackTest, TheItemsOfSomeInvoicesAreTheirItemsOfTheWholeList)
{
    ASSERT_EQ(collect("R1", Amount("100.00"), Amount("10.00")), std::nullopt);
    sell("ABC100", "G100", "115.00");
    const auto fields = [](const OpenItem& i) {
        return std::tuple(i.invoice, i.holdback, i.type, i.date, i.dueDate, i.amount, i.federalTax, i.provincialTax, i.salesRep);
    };
    const std::vector<OpenItem> all = books().openItems("ABC100");
    ASSERT_EQ(all.size(), 3u);
    const struct {
        std::vector<std::string> invoices;
        std::vector<std::size_t> expected;  // indexes into the whole list
    } cases[] = {
        {{"H100"}, {1, 2}},
        {{"G100", "NONE"}, {0}},
        {{"H100", "G100"}, {0, 1, 2}},
        {{"NONE"}, {}},
        {{}, {}},
    };
    for (const auto& c : cases) {
        const std::vector<OpenItem> some = books().openItemReader().items("ABC100", c.invoices);
        ASSERT_EQ(some.size(), c.expected.size()) << c.invoices.size();
        for (std::size_t i = 0; i < some.size(); ++i) EXPECT_EQ(fields(some[i]), fields(all[c.expected[i]])) << some[i].invoice;
    }
}

ORVANT_BOOKS_ON_EVERY_ENGINE(ReceiptHoldbackTest);

}  // namespace
}  // namespace orvant::receipts::testing
