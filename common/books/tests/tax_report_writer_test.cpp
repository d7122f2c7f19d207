// The tax report adds only into the line of the same rate, document, type code and date.

#include <gtest/gtest.h>

#include <map>

#include "books/tax_report_writer.h"
#include "company/company_creation.h"
#include "company/data_root_setup.h"
#include "store/table.h"
#include "testing/books_fixture.h"

namespace orvant {
namespace {

class TaxReportWriterTest : public testing::BooksTest {
protected:
    static TaxReportLine line(int type, Date date, long cents)
    {
        return {1, type, "A12", date, Money::fromCents(cents * 20), Money::fromCents(cents)};
    }

    Date invoiceDay_ = *Date::fromYmd(2026, 3, 14), noteDay_ = *Date::fromYmd(2026, 4, 2);
};
ORVANT_BOOKS_ON_EVERY_ENGINE(TaxReportWriterTest);

TEST_P(TaxReportWriterTest, a_later_note_on_an_invoice_never_moves_its_tax_into_the_invoices_line)
{
    {
        store::Transaction posting(*books_);
        TaxReportWriter report(*books_, "taxrep", false);
        report.add(line(3, invoiceDay_, 500));
        report.add(line(3, invoiceDay_, 250));   // same document, rate, type and day: added in
        report.add(line(5, invoiceDay_, -100));  // another type code: a line of its own
        report.add(line(3, noteDay_, -200));     // the note, later: a line of its own
        posting.commit();
    }
    store::Table lines(*books_, "taxrep");
    lines.open();
    ASSERT_EQ(lines.recordCount(), 3);
    std::map<std::pair<std::int64_t, std::string>, std::pair<Money, Money>> found;  // (type, date) -> net, tax
    for (lines.first(); !lines.eof(); lines.next()) {
        EXPECT_FALSE(lines.field("TaxRep_Purchase").asBool());
        found[{lines.field("TaxRep_TypeCode").asInt(), lines.field("TaxRep_Date").asDate().toIso()}] = {
            lines.field("TaxRep_Gross").asMoney(), lines.field("TaxRep_VAT").asMoney()};
    }
    EXPECT_EQ(found[std::make_pair(std::int64_t{3}, std::string("2026-03-14"))], std::make_pair(Money::fromCents(15000), Money::fromCents(750)));
    EXPECT_EQ(found[std::make_pair(std::int64_t{5}, std::string("2026-03-14"))].second, Money::fromCents(-100));
    EXPECT_EQ(found[std::make_pair(std::int64_t{3}, std::string("2026-04-02"))].second, Money::fromCents(-200));
}

TEST_P(TaxReportWriterTest, purchases_go_to_their_own_report_marked_as_purchases)
{
    TaxReportWriter report(*books_, "taxrepP", true);
    report.add(line(4, invoiceDay_, 300));
    report.add(line(4, invoiceDay_, 300));
    store::Table lines(*books_, "taxrepP");
    lines.open();
    ASSERT_EQ(lines.recordCount(), 1);
    lines.first();
    EXPECT_TRUE(lines.field("TaxRep_Purchase").asBool());
    EXPECT_EQ(lines.field("TaxRep_VAT").asMoney(), Money::fromCents(600));
    EXPECT_GT(lines.field("TaxRep_Inc").asInt(), 0);
}

}  // namespace
}  // namespace orvant
