// Taxes per rate: the lines a document's tax rows give, their signs once the net amounts are
// typed, and what reaches the tax report.

#include <gtest/gtest.h>

#include <map>

#include "company/record.h"
#include "sidedialogs/tax_per_rate.h"
#include "store/table.h"
#include "testing/books_fixture.h"

namespace orvant::sidedialogs {
namespace {

constexpr int kReceivable = 1200, kSales = 4000, kGstAccount = 2310, kQstAccount = 2320, kExemptAccount = 2330;

Money cents(std::int64_t c) { return Money::fromCents(c); }

class TaxPerRateTest : public testing::BooksTest {
protected:
    void SetUp() override
    {
        BooksTest::SetUp();
        if (IsSkipped()) return;
        store::Table rates(*books_, "taxrates");
        rates.open();
        company::addRecord(rates, {{"TaxRates_Code", 1}, {"TaxRates_Description", "GST"}, {"TaxRates_Rate", 5.0}, {"TaxRates_Account", kGstAccount}});
        company::addRecord(rates, {{"TaxRates_Code", 2}, {"TaxRates_Description", "QST"}, {"TaxRates_Rate", 9.975}, {"TaxRates_Account", kQstAccount}});
        company::addRecord(rates, {{"TaxRates_Code", 3}, {"TaxRates_Description", "Exempt"}, {"TaxRates_Rate", 0.0}, {"TaxRates_Account", kExemptAccount}});
        rates_ = TaxRates(*books_, "taxrates");
    }

    // The tax report's lines as (code, type) -> (net, tax).
    std::map<std::pair<std::int64_t, std::int64_t>, std::pair<Money, Money>> reported()
    {
        std::map<std::pair<std::int64_t, std::int64_t>, std::pair<Money, Money>> lines;
        store::Table report(*books_, "taxrep");
        report.open();
        for (report.first(); !report.eof(); report.next()) {
            EXPECT_EQ(report.field("TaxRep_Reference").asString(), "A12");
            EXPECT_EQ(report.field("TaxRep_Date").asDate(), day_);
            lines[{report.field("TaxRep_Code").asInt(), report.field("TaxRep_TypeCode").asInt()}] = {
                report.field("TaxRep_Gross").asMoney(), report.field("TaxRep_VAT").asMoney()};
        }
        return lines;
    }

    TaxRates rates_;
    Date day_ = *Date::fromYmd(2026, 3, 14);
};
ORVANT_BOOKS_ON_EVERY_ENGINE(TaxPerRateTest);

TEST_P(TaxPerRateTest, each_tax_row_gives_a_line_typed_by_its_column_and_an_exempt_rate_gives_one_without_amount)
{
    Distribution rows(15);
    rows.setAccount(0, kReceivable, "Receivable");
    rows.setDebit(0, cents(11500));
    rows.setAccount(1, kSales, "Sales");
    rows.setCredit(1, cents(10000));
    rows.setAccount(2, kGstAccount, "GST");
    rows.setCredit(2, cents(700));
    rows.setAccount(3, kQstAccount, "QST");
    rows.setDebit(3, cents(800));
    rows.setAccount(4, kExemptAccount, "Exempt sales");
    rows.setAccount(5, kGstAccount, "GST, nothing typed");  // a taxed rate without amount reports nothing

    for (const bool creditNote : {false, true}) {
        const std::vector<TaxPerRateLine> lines = TaxLinesFor(rows, rates_, creditNote);
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[0].code, 1);
        EXPECT_EQ(lines[0].description, "GST");
        EXPECT_EQ(lines[0].tax, cents(700));
        EXPECT_EQ(lines[0].type, kTaxCredited);
        EXPECT_EQ(lines[1].code, 2);
        EXPECT_DOUBLE_EQ(lines[1].rate, 9.975);
        EXPECT_EQ(lines[1].tax, cents(800));
        EXPECT_EQ(lines[1].type, kTaxDebited);
        EXPECT_EQ(lines[2].code, 3);
        EXPECT_TRUE(lines[2].tax.isZero());
        EXPECT_EQ(lines[2].type, creditNote ? kTaxDebited : kTaxCredited);
        for (const TaxPerRateLine& line : lines) EXPECT_TRUE(line.net.isZero());
    }
}

TEST_P(TaxPerRateTest, debited_lines_report_negative_amounts_and_credited_lines_stay_as_typed)
{
    std::vector<TaxPerRateLine> lines{
        {1, "GST", 5, cents(700), cents(14000), kTaxCredited},
        {2, "QST", 9.975, cents(800), cents(8020), kTaxDebited},
        {3, "Exempt", 0, Money(), cents(-500), kTaxDebited},  // already negative: kept
    };
    SignDebitedLines(lines);
    EXPECT_EQ(lines[0].tax, cents(700));
    EXPECT_EQ(lines[0].net, cents(14000));
    EXPECT_EQ(lines[1].tax, cents(-800));
    EXPECT_EQ(lines[1].net, cents(-8020));
    EXPECT_EQ(lines[2].net, cents(-500));
}

TEST_P(TaxPerRateTest, only_lines_with_a_net_amount_reach_the_report_adding_up_by_rate_and_type)
{
    const std::vector<TaxPerRateLine> lines{
        {1, "GST", 5, cents(700), cents(14000), kTaxCredited},
        {1, "GST", 5, cents(300), cents(6000), kTaxCredited},    // same rate and type: added in
        {1, "GST", 5, cents(-100), cents(-2000), kTaxDebited},  // another type: a line of its own
        {2, "QST", 9.975, cents(800), Money(), kTaxCredited},    // no net amount typed: not reported
    };
    {
        store::Transaction posting(*books_);
        TaxReportWriter writer(*books_, "taxrep", false);
        ReportTaxes(writer, lines, "A12", day_);
        posting.commit();
    }
    const auto report = reported();
    ASSERT_EQ(report.size(), 2u);
    EXPECT_EQ(report.at({1, kTaxCredited}), std::make_pair(cents(20000), cents(1000)));
    EXPECT_EQ(report.at({1, kTaxDebited}), std::make_pair(cents(-2000), cents(-100)));
}

}  // namespace
}  // namespace orvant::sidedialogs
