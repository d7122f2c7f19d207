// The demo's invoices and histories: each invoice agrees with the sale it reprints, every item of
// the histories is settled and its archived invoice agrees with it, and the books still check.

#include <gtest/gtest.h>

#include "company/books_check.h"
#include "demo_history.h"
#include "demo_invoices.h"
#include "demo_sales.h"
#include "store/query.h"
#include "store/table.h"
#include "testing/books_fixture.h"

namespace orvant::ctl {
namespace {

class DemoInvoicingTest : public testing::BooksTest {
protected:
    DemoInvoicingTest() : BooksTest(Company::Demo) {}

    std::int64_t count(const std::string& sql)
    {
        store::Query q(*books_, sql);
        q.open();
        return q.value(0).asInt();
    }

    // The sale's credits: what it sold and the taxes on it.
    Money creditsOf(const std::string& invoice)
    {
        store::Table sales(*books_, "arori");
        sales.open();
        Money sum;
        for (sales.first(); !sales.eof(); sales.next())
            if (sales.field("Reference").asString() == invoice && sales.field("Trx_type").asString() == "1")
                for (int row = 1; row <= 15; ++row) sum += sales.field("Credit" + std::to_string(row)).asMoney();
        return sum;
    }
};
ORVANT_BOOKS_ON_EVERY_ENGINE(DemoInvoicingTest);

TEST_P(DemoInvoicingTest, invoices_agree_with_their_sales_and_histories_settle)
{
    ASSERT_EQ(PostDemoQuarter(installation_, 1, *Date::fromYmd(2026, 12, 7)), 37);
    const int invoices = AddDemoInvoices(installation_, 1);
    EXPECT_EQ(invoices, count("SELECT COUNT(*) FROM arori WHERE trx_type = '1' AND COALESCE(dr_cr_reference, '') = ''"));
    store::Table headers(*books_, "fahdr");
    headers.open();
    for (headers.first(); !headers.eof(); headers.next())
        EXPECT_EQ(headers.field("Fahdr_total").asMoney(), creditsOf(headers.field("Fahdr_invoice").asString()))
            << headers.field("Fahdr_invoice").asString();
    EXPECT_EQ(count("SELECT COUNT(*) FROM fahdr h WHERE h.fahdr_sales <> (SELECT SUM(fadet_total) FROM fadet d "
                    "WHERE d.fadet_invoice = h.fahdr_invoice AND d.fadet_client = h.fahdr_client)"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM fadet WHERE fadet_code = '' AND fadet_qty_ordered = 0"), invoices)
        << "each invoice opens with its comment line";

    EXPECT_EQ(AddDemoHistory(installation_, 1, *Date::fromYmd(2026, 12, 7)), 10);
    for (const char* unsettled : {"SELECT COUNT(*) FROM (SELECT car_invoice FROM carh GROUP BY car_client, car_invoice "
                                  "HAVING SUM(car_amount) <> 0) open_items",
                                  "SELECT COUNT(*) FROM (SELECT cap_invoice FROM caph GROUP BY cap_supplier, cap_invoice "
                                  "HAVING SUM(cap_amount) <> 0) open_items",
                                  "SELECT COUNT(*) FROM fahdra h WHERE h.fahdra_total <> (SELECT SUM(car_amount) FROM carh "
                                  "WHERE car_client = h.fahdra_client AND car_invoice = h.fahdra_invoice AND car_type = '1')"})
        EXPECT_EQ(count(unsettled), 0) << unsettled;
    EXPECT_EQ(count("SELECT COUNT(*) FROM fahdra"), 3);
    EXPECT_EQ(count("SELECT COUNT(*) FROM ctrl WHERE ctrl_ar_histo AND ctrl_ap_histo"), 1);
    const company::BooksReport report = company::CheckBooks(*books_);
    EXPECT_TRUE(report.clean()) << (report.problems.empty() ? "" : report.problems.front());
}

}  // namespace
}  // namespace orvant::ctl
