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

    HoldbackResult apply(Distribution& d, double percent, HoldbackChoice choice, const HoldbackAccounts& accounts,
                         const HoldbackTaxAccounts& taxes, const ControlAccountTable& receivables)
    {
        return ApplyHoldback(d, HoldbackAnswer{percent, {}, choice, std::nullopt}, accounts, taxes, receivables);
    }

    static testing::TempDataRoot* root_;
    static store::Database* books_;
};
testing::TempDataRoot* HoldbackTest::root_ = nullptr;
store::Database* HoldbackTest::books_ = nullptr;

TEST_F(HoldbackTest, ten_percent_of_a_115_sale_is_held_back_on_the_receivable_side)
{
    Distribution d = sale();
    const HoldbackResult r = apply(d, 10, HoldbackChoice::TaxesBeforeHoldback, kWithTaxAccounts, kTaxes, receivables());
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
    const HoldbackResult r = apply(d, 10, HoldbackChoice::TaxesBeforeHoldback, kWithTaxAccounts, kTaxes, receivables());
    EXPECT_EQ(r.receivable, amount("20.15")) << "10 % of the total, rounded once";
    EXPECT_EQ(d.row(0).debit, amount("90.67")) << "10.075 rounds to 10.08";
    EXPECT_EQ(d.row(1).debit, amount("90.68")) << "the second row gives up the rest";
    EXPECT_TRUE(d.recomputed().balanced());
}

TEST_F(HoldbackTest, taxes_are_held_back_only_when_both_tax_holdback_accounts_exist)
{
    Distribution d = sale();
    HoldbackResult r = apply(d, 10, HoldbackChoice::HoldbackOnTaxes, kWithTaxAccounts, kTaxes, receivables());
    EXPECT_EQ(r.federalTax, amount("0.50"));
    EXPECT_EQ(r.provincialTax, amount("1.00"));
    EXPECT_EQ(d.row(kHoldbackRow + 1).credit, amount("0.50"));
    EXPECT_EQ(d.row(kHoldbackRow + 2).credit, amount("1.00"));
    EXPECT_EQ(d.row(2).credit, amount("4.50"));
    EXPECT_TRUE(d.recomputed().balanced());

    Distribution fallback = sale();
    r = apply(fallback, 10, HoldbackChoice::HoldbackOnTaxes, {1150, 2310, std::nullopt}, kTaxes, receivables());
    EXPECT_TRUE(r.federalTax.isZero()) << "without the provincial account the taxes are not held back";
    EXPECT_EQ(fallback.row(2).credit, amount("5.00"));
    EXPECT_TRUE(fallback.recomputed().balanced());
}

TEST_F(HoldbackTest, a_credit_note_holds_back_on_the_credit_side)
{
    Distribution d = sale(true);
    const HoldbackResult r = apply(d, 10, HoldbackChoice::HoldbackOnTaxes, kWithTaxAccounts, kTaxes, receivables());
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
    EXPECT_EQ(apply(both, 10, HoldbackChoice::TaxesBeforeHoldback, kWithTaxAccounts, kTaxes, receivables()).status,
              HoldbackResult::BothSides);
    EXPECT_EQ(both.totals(), before);

    Distribution none(15);
    none.setAccount(0, kSales, {});
    none.setCredit(0, amount("5.00"));
    EXPECT_EQ(apply(none, 10, HoldbackChoice::TaxesBeforeHoldback, kWithTaxAccounts, kTaxes, receivables()).status,
              HoldbackResult::NoBase);

    Distribution zero = sale();
    EXPECT_EQ(apply(zero, 0, HoldbackChoice::TaxesBeforeHoldback, kWithTaxAccounts, kTaxes, receivables()).status,
              HoldbackResult::Nothing);
    Distribution tiny = sale();
    EXPECT_EQ(apply(tiny, 0.001, HoldbackChoice::TaxesBeforeHoldback, kWithTaxAccounts, kTaxes, receivables()).status,
              HoldbackResult::Nothing)
        << "an amount held back of 0 is no holdback";
    EXPECT_TRUE(tiny.row(kHoldbackRow).isEmpty());
}

// Rows given as (account, amount, debit?), in order from row 1.
struct TypedRow {
    int account;
    const char* amount;
    bool debit;
};

Distribution rowsOf(std::initializer_list<TypedRow> rows)
{
    Distribution d(15);
    int i = 0;
    for (const TypedRow& r : rows) {
        d.setAccount(i, r.account, {});
        r.debit ? d.setDebit(i, amount(r.amount)) : d.setCredit(i, amount(r.amount));
        ++i;
    }
    return d;
}

HoldbackAnswer byAmount(const char* held, HoldbackChoice choice)
{
    return HoldbackAnswer{0, {}, choice, amount(held)};
}

TEST_F(HoldbackTest, a_tax_row_on_the_receivable_side_is_held_back_on_its_own_side)
{
    Distribution d = rowsOf({{kReceivable, "1000.00", true}, {kGst, "50.00", true}, {kSales, "1050.00", false}});
    const HoldbackResult r = apply(d, 10, HoldbackChoice::HoldbackOnTaxes, kWithTaxAccounts, kTaxes, receivables());
    ASSERT_EQ(r.status, HoldbackResult::Applied);
    EXPECT_EQ(d.row(kHoldbackRow).debit, amount("100.00"));
    EXPECT_EQ(d.row(kHoldbackRow + 1).debit, amount("5.00")) << "taken from a debit, put back as a debit";
    EXPECT_EQ(r.federalTax, amount("-5.00"));
    EXPECT_TRUE(d.recomputed().balanced());
}

TEST_F(HoldbackTest, an_amount_typed_is_held_back_to_the_cent)
{
    struct Case {
        Distribution rows;
        HoldbackChoice choice;
        const char* typed;
        const char* receivable;  // what the receivable gives up, over all its rows
        std::vector<std::pair<int, const char*>> after;  // rows and the amounts they keep
    };
    const Case cases[] = {
        // 5.646779... % of 2,307.51: a percent rounded to six places would hold back 130.29.
        {rowsOf({{kReceivable, "677.82", true}, {kReceivable, "1629.69", true}, {kSales, "2307.51", false}}),
         HoldbackChoice::TaxesBeforeHoldback, "130.30", "130.30", {{0, "639.54"}, {1, "1537.67"}}},
        // The taxes held back too: the amount is the net's part, the taxes give up theirs.
        {sale(), HoldbackChoice::HoldbackOnTaxes, "7.00", "8.05", {{0, "106.95"}, {2, "4.65"}, {3, "9.30"}}},
    };
    for (const Case& c : cases) {
        Distribution d = c.rows;
        const HoldbackResult r = ApplyHoldback(d, byAmount(c.typed, c.choice), kWithTaxAccounts, kTaxes, receivables());
        ASSERT_EQ(r.status, HoldbackResult::Applied) << c.typed;
        EXPECT_EQ(r.receivable, amount(c.receivable)) << c.typed;
        EXPECT_EQ(r.receivable - r.federalTax - r.provincialTax, amount(c.typed)) << "the net held back is what was typed";
        for (const auto& [row, kept] : c.after) EXPECT_EQ(d.row(row).debit + d.row(row).credit, amount(kept)) << c.typed << " row " << row;
        EXPECT_TRUE(d.recomputed().balanced()) << c.typed;
    }
}

TEST_F(HoldbackTest, the_base_of_the_choice_decides_whether_anything_can_be_held_back)
{
    // An adjustment whose net is 0: its receivable is all tax.
    const Distribution onlyTax = rowsOf({{kReceivable, "7.00", true}, {kGst, "7.00", false}});
    const HoldbackBasis basis = HoldbackBasisOf(onlyTax, kTaxes, receivables());
    EXPECT_EQ(HoldbackBase(basis, HoldbackChoice::HoldbackOnTaxes), Money());
    EXPECT_EQ(HoldbackBase(basis, HoldbackChoice::TaxesBeforeHoldback), amount("7.00"));

    Distribution d = onlyTax;
    EXPECT_EQ(apply(d, 10, HoldbackChoice::HoldbackOnTaxes, kWithTaxAccounts, kTaxes, receivables()).status, HoldbackResult::NoBase);
    EXPECT_EQ(d.row(0).debit, amount("7.00")) << "nothing changed";
    EXPECT_EQ(apply(d, 10, HoldbackChoice::TaxesBeforeHoldback, kWithTaxAccounts, kTaxes, receivables()).status, HoldbackResult::Applied);

    Distribution more = sale();
    EXPECT_EQ(ApplyHoldback(more, byAmount("115.01", HoldbackChoice::TaxesBeforeHoldback), kWithTaxAccounts, kTaxes, receivables()).status,
              HoldbackResult::TooMuch);
}

}  // namespace
}  // namespace orvant
