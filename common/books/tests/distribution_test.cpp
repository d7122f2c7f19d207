// The rows of a document and their running totals.

#include <gtest/gtest.h>

#include "books/distribution.h"

namespace orvant {
namespace {

Money amount(const char* text) { return *Money::parse(text); }

TEST(Distribution, an_amount_in_one_column_clears_the_other_and_the_totals_follow)
{
    Distribution d(15);
    d.setAccount(0, 1100, "Receivable");
    d.setDebit(0, amount("115.00"));
    d.setAccount(1, 4000, "Sales");
    d.setCredit(1, amount("100.00"));
    d.setAccount(2, 2200, "GST");
    d.setCredit(2, amount("15.00"));
    EXPECT_TRUE(d.totals().balanced());

    d.setCredit(0, amount("115.00"));  // the receivable side changes to a credit
    EXPECT_TRUE(d.row(0).debit.isZero());
    EXPECT_EQ(d.totals().debit, Money());
    EXPECT_EQ(d.totals().credit, amount("230.00"));

    d.setDebit(1, Money());  // a zero in the other column leaves the credit alone
    EXPECT_EQ(d.row(1).credit, amount("100.00"));
    EXPECT_EQ(d.totals(), d.recomputed());
}

TEST(Distribution, a_new_account_takes_the_rows_amounts_out_of_the_totals)
{
    Distribution d(3);
    d.setAccount(0, 1100, "Receivable");
    d.setDebit(0, amount("10.0050"));
    d.setAccount(0, 1150, "Holdbacks");
    EXPECT_TRUE(d.row(0).debit.isZero());
    EXPECT_EQ(d.totals(), DistributionTotals{});
    EXPECT_EQ(d.row(0).description, "Holdbacks");

    d.setDebit(1, amount("0.0001"));
    d.setCredit(2, amount("0.0001"));
    EXPECT_TRUE(d.totals().balanced()) << "ten-thousandths count";
    d.clear();
    EXPECT_TRUE(d.row(1).isEmpty());
    EXPECT_EQ(d.totals(), DistributionTotals{});
}

}  // namespace
}  // namespace orvant
