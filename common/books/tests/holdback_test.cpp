// Holdbacks on sales: what is held back, where it goes, and that the document stays balanced.

#include <gtest/gtest.h>

#include "books/holdback.h"
#include "company/company_creation.h"
#include "company/data_root_setup.h"
#include "company/demo_company.h"
#include "testing/temp_data_root.h"

namespace orvant {
namespace {

Money amount(const char* text) { return *Money::parse(text); }

constexpr int kReceivable = 1100, kSales = 4000, kGst = 2200, kQst = 2210;
const HoldbackAccounts kWithTaxAccounts{1150, 2310, 2320};
const HoldbackTaxAccounts kTaxes{kGst, {kQst}};

class HoldbackTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        root_ = new testing::TempDataRoot(testing::Engine::Sqlite);
        const company::Installation installation{root_->path(), root_->config()};
        company::SetupDataRoot(installation);
        company::MakeDemoCompany(installation, 1);
        books_ = company::OpenCompany(installation, 1).release();
    }
    static void TearDownTestSuite()
    {
        delete books_;
        delete root_;
    }

    ControlAccountTable receivables()
    {
        store::Table control(*books_, "ctrl");
        control.open();
        control.first();
        return ControlAccountTable(Ledger::Receivables, control);
    }

    // A sale of 100.00 with 5.00 of GST and 10.00 of QST, or its credit note.
    static Distribution sale(bool creditNote = false)
    {
        Distribution d(15);
        const auto row = [&](int i, int account, const char* value, bool debit) {
            d.setAccount(i, account, {});
            (debit != creditNote) ? d.setDebit(i, amount(value)) : d.setCredit(i, amount(value));
        };
        row(0, kReceivable, "115.00", true);
        row(1, kSales, "100.00", false);
        row(2, kGst, "5.00", false);
        row(3, kQst, "10.00", false);
        return d;
    }

    static testing::TempDataRoot* root_;
    static store::Database* books_;
};
testing::TempDataRoot* HoldbackTest::root_ = nullptr;
store::Database* HoldbackTest::books_ = nullptr;

TEST_F(HoldbackTest, ten_percent_of_a_115_sale_is_held_back_on_the_receivable_side)
{
    Distribution d = sale();
    const HoldbackResult r = ApplyHoldback(d, 10, HoldbackChoice::TaxesBeforeHoldback, kWithTaxAccounts, kTaxes, receivables());
    ASSERT_EQ(r.status, HoldbackResult::Applied);
    EXPECT_EQ(r.receivable, amount("11.50"));
    EXPECT_EQ(d.row(0).debit, amount("103.50"));
    EXPECT_EQ(d.row(kHoldbackRow).account, 1150);
    EXPECT_EQ(d.row(kHoldbackRow).debit, amount("11.50"));
    EXPECT_TRUE(d.row(kHoldbackRow + 1).isEmpty()) << "the taxes were not held back";
    EXPECT_TRUE(d.recomputed().balanced());
}

TEST_F(HoldbackTest, two_receivable_rows_stay_balanced_to_the_cent)
{
    Distribution d(15);
    d.setAccount(0, kReceivable, {});
    d.setDebit(0, amount("100.75"));
    d.setAccount(1, kReceivable, {});
    d.setDebit(1, amount("100.75"));
    d.setAccount(2, kSales, {});
    d.setCredit(2, amount("201.50"));
    const HoldbackResult r = ApplyHoldback(d, 10, HoldbackChoice::TaxesBeforeHoldback, kWithTaxAccounts, kTaxes, receivables());
    EXPECT_EQ(d.row(0).debit, amount("90.67")) << "10.075 rounds to 10.08";
    EXPECT_EQ(r.receivable, amount("20.16")) << "the sum of what was taken off, not 10 % of the total";
    EXPECT_TRUE(d.recomputed().balanced());
}

TEST_F(HoldbackTest, taxes_are_held_back_only_when_both_tax_holdback_accounts_exist)
{
    Distribution d = sale();
    HoldbackResult r = ApplyHoldback(d, 10, HoldbackChoice::HoldbackOnTaxes, kWithTaxAccounts, kTaxes, receivables());
    EXPECT_EQ(r.federalTax, amount("0.50"));
    EXPECT_EQ(r.provincialTax, amount("1.00"));
    EXPECT_EQ(d.row(kHoldbackRow + 1).credit, amount("0.50"));
    EXPECT_EQ(d.row(kHoldbackRow + 2).credit, amount("1.00"));
    EXPECT_EQ(d.row(2).credit, amount("4.50"));
    EXPECT_TRUE(d.recomputed().balanced());

    Distribution fallback = sale();
    r = ApplyHoldback(fallback, 10, HoldbackChoice::HoldbackOnTaxes, {1150, 2310, std::nullopt}, kTaxes, receivables());
    EXPECT_TRUE(r.federalTax.isZero()) << "without the provincial account the taxes are not held back";
    EXPECT_EQ(fallback.row(2).credit, amount("5.00"));
    EXPECT_TRUE(fallback.recomputed().balanced());
}

TEST_F(HoldbackTest, a_credit_note_holds_back_on_the_credit_side)
{
    Distribution d = sale(true);
    const HoldbackResult r = ApplyHoldback(d, 10, HoldbackChoice::HoldbackOnTaxes, kWithTaxAccounts, kTaxes, receivables());
    EXPECT_EQ(r.receivable, amount("-11.50"));
    EXPECT_EQ(d.row(kHoldbackRow).credit, amount("11.50"));
    EXPECT_EQ(d.row(kHoldbackRow + 1).debit, amount("0.50"));
    EXPECT_TRUE(d.recomputed().balanced());
}

TEST_F(HoldbackTest, a_holdback_that_cannot_balance_is_refused_and_changes_nothing)
{
    Distribution both = sale();
    both.setAccount(4, kReceivable, {});
    both.setCredit(4, amount("1.00"));
    both.setAccount(5, kSales, {});
    both.setDebit(5, amount("1.00"));
    const DistributionTotals before = both.totals();
    EXPECT_EQ(ApplyHoldback(both, 10, HoldbackChoice::TaxesBeforeHoldback, kWithTaxAccounts, kTaxes, receivables()).status,
              HoldbackResult::BothSides);
    EXPECT_EQ(both.totals(), before);

    Distribution none(15);
    none.setAccount(0, kSales, {});
    none.setCredit(0, amount("5.00"));
    EXPECT_EQ(ApplyHoldback(none, 10, HoldbackChoice::TaxesBeforeHoldback, kWithTaxAccounts, kTaxes, receivables()).status,
              HoldbackResult::NoBase);

    Distribution zero = sale();
    EXPECT_EQ(ApplyHoldback(zero, 0, HoldbackChoice::TaxesBeforeHoldback, kWithTaxAccounts, kTaxes, receivables()).status,
              HoldbackResult::Nothing);
    Distribution tiny = sale();
    EXPECT_EQ(ApplyHoldback(tiny, 0.001, HoldbackChoice::TaxesBeforeHoldback, kWithTaxAccounts, kTaxes, receivables()).status,
              HoldbackResult::Nothing)
        << "an amount held back of 0 is no holdback";
    EXPECT_TRUE(tiny.row(kHoldbackRow).isEmpty());
}

}  // namespace
}  // namespace orvant
