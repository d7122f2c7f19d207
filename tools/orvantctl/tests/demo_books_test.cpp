// The demo's quarter, posted through the sales posting, and the books check on it: each row
// damages the posted books in one way, by a cent or a record, and the check names it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

#include "company/books_check.h"
#include "company/record.h"
#include "demo_sales.h"
#include "sales_import.h"
#include "store/query.h"
#include "testing/books_fixture.h"

namespace orvant::ctl {
namespace {

using ::testing::HasSubstr;

class DemoBooksTest : public testing::BooksTest {
protected:
    DemoBooksTest() : BooksTest(Company::Demo) {}

    static store::Value scalar(store::Database& books, const std::string& sql, std::optional<store::Value> bound = {})
    {
        store::Query q(books, sql);
        if (bound) q.bind(0, *bound);
        q.open();
        return q.value(0);
    }

    static std::string joined(const company::BooksReport& report)
    {
        std::string all;
        for (const auto& p : report.problems) all += p + "\n";
        return all;
    }
};
ORVANT_BOOKS_ON_EVERY_ENGINE(DemoBooksTest);

// The quarter ends with the current period and never passes today; a note always follows its
// sale, however few days the quarter has; each document goes to the period of its month.
TEST_P(DemoBooksTest, the_quarter_posts_every_kind_of_document_within_its_days)
{
    const struct {
        int period;
        Date today, first, last;
    } rows[] = {
        {12, *Date::fromYmd(2026, 12, 7), *Date::fromYmd(2026, 10, 1), *Date::fromYmd(2026, 12, 7)},
        {3, *Date::fromYmd(2026, 12, 7), *Date::fromYmd(2026, 1, 1), *Date::fromYmd(2026, 3, 31)},
        {1, *Date::fromYmd(2027, 1, 2), *Date::fromYmd(2027, 1, 1), *Date::fromYmd(2027, 1, 2)},
    };
    int company = 1;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.today.toIso());
        if (company > 1) company::MakeDemoCompany(installation_, company);
        const auto books = company::OpenCompany(installation_, company);
        store::Query(*books, "UPDATE ctrl SET ctrl_ar_period = " + std::to_string(row.period)).execute();
        EXPECT_EQ(PostDemoQuarter(installation_, company, row.today), 37);
        const Date first = scalar(*books, "SELECT MIN(\"date\") FROM arori").asDate();
        const Date last = scalar(*books, "SELECT MAX(\"date\") FROM arori").asDate();
        EXPECT_TRUE(row.first <= first && first.month() == row.first.month()) << first.toIso();
        EXPECT_TRUE(last <= row.last && last.month() == row.last.month()) << last.toIso();
        store::Query headers(*books, "SELECT tjlh_period, tjlh_date FROM tjlh");
        for (headers.open(); !headers.eof(); headers.next()) EXPECT_EQ(headers.value(0).asInt(), headers.value(1).asDate().month());
        const company::BooksReport report = company::CheckBooks(*books);
        EXPECT_TRUE(report.clean()) << joined(report);
        EXPECT_EQ(report.documents, 37);
        EXPECT_EQ(scalar(*books, "SELECT ctrl_ar_invoiceno FROM ctrl").asInt(), 1024) << "the next number follows the demo's sales";
        ++company;
    }
    const auto books = company::OpenCompany(installation_, 1);
    EXPECT_EQ(scalar(*books, "SELECT COUNT(*) FROM car WHERE car_type = '5'").asInt(), 4);
    EXPECT_EQ(scalar(*books, "SELECT COUNT(*) FROM car WHERE car_type = '4'").asInt(), 3);
    EXPECT_EQ(scalar(*books, "SELECT COUNT(*) FROM car WHERE car_type = '3'").asInt(), 3);
    EXPECT_EQ(scalar(*books, "SELECT COUNT(*) FROM arori WHERE direct_cash_sale = ?", true).asInt(), 4);
}

void execute(store::Database& books, const std::string& sql) { store::Query(books, sql).execute(); }

// The federal tax of a sale and of its credit note as the tax-per-rate posting reports them: the
// note's tax debited, so stored negative.
void reportTax(store::Database& books, const std::string& reference, Money saleTax)
{
    store::Table report(books, "taxrep");
    report.open();
    company::addRecord(report, {{"TaxRep_Code", 1}, {"TaxRep_Reference", reference}, {"TaxRep_Date", *Date::fromYmd(2026, 10, 2)},
                                {"TaxRep_Gross", Money::fromUnits(18575)}, {"TaxRep_VAT", saleTax}, {"TaxRep_Purchase", false},
                                {"TaxRep_TypeCode", 3}});
    company::addRecord(report, {{"TaxRep_Code", 1}, {"TaxRep_Reference", reference}, {"TaxRep_Date", *Date::fromYmd(2026, 10, 8)},
                                {"TaxRep_Gross", Money::fromUnits(-1250)}, {"TaxRep_VAT", Money::fromCents(-6250)},
                                {"TaxRep_Purchase", false}, {"TaxRep_TypeCode", 5}});
}

// Each row damages the demo's posted books in one way, inside a transaction given up after the
// check, and names what the check must say; a row without damage to report expects none.
TEST_P(DemoBooksTest, each_damage_by_a_cent_or_a_record_is_named)
{
    execute(*books_, "UPDATE ctrl SET ctrl_ar_period = 12");
    ASSERT_EQ(PostDemoQuarter(installation_, 1, *Date::fromYmd(2026, 12, 7)), 37);
    const struct {
        const char* damage;
        std::function<void(store::Database&)> apply;
        const char* named;  // nothing: the books still agree
    } rows[] = {
        {"a journal line a cent off its header",
         [](store::Database& b) { execute(b, "UPDATE tjld SET tjld_credit = tjld_credit + 100 WHERE tjld_reference = '1001' AND tjld_account = 4000"); },
         "reference \"1001\", date 2026-10-02: total credit 21356.61 but its lines credit 21356.62"},
        {"a header's total a cent off",
         [](store::Database& b) { execute(b, "UPDATE tjlh SET tjlh_tot_debit = tjlh_tot_debit + 100 WHERE tjlh_reference = '1002'"); },
         "reference \"1002\", date 2026-10-05: total debit 1103.77 but its lines debit 1103.76"},
        {"a client's balance a cent off",
         [](store::Database& b) { execute(b, "UPDATE cli SET cli_current_bal = cli_current_bal + 100 WHERE cli_code = 'BEL200'"); },
         "client \"BEL200\": balance "},
        {"a supplier's balance a cent off",
         [](store::Database& b) { execute(b, "UPDATE sup SET sup_current_bal = 100 WHERE sup_code = 'MAP300'"); },
         "supplier \"MAP300\": balance 0.01 but its cap entries sum to 0.00"},
        {"a ledger entry a cent off",
         [](store::Database& b) { execute(b, "UPDATE car SET car_amount = car_amount + 100 WHERE car_invoice = '1003' AND car_type = '1'"); },
         "client \"WES500\", arori document \"1003\" of 2026-10-07: it owes 3264.72 but its car entries sum to 3264.73"},
        {"a ledger entry a cent off, with the balance",
         [](store::Database& b) {
             execute(b, "UPDATE car SET car_amount = car_amount + 100 WHERE car_invoice = '1003' AND car_type = '1'");
             execute(b, "UPDATE cli SET cli_current_bal = cli_current_bal + 100 WHERE cli_code = 'WES500'");
         },
         "receivable control account 1100 (currency 0): the journal moves 165446.88 but the clients' car entries sum to 165446.89"},
        {"a receivable line moved to the bank",
         [](store::Database& b) { execute(b, "UPDATE tjld SET tjld_account = 1000 WHERE tjld_reference = '1004' AND tjld_account = 1100"); },
         "receivable control account 1100 (currency 0): the journal moves 159577.38 but the clients' car entries sum to 165446.88"},
        {"a document's line a cent off",
         [](store::Database& b) { execute(b, "UPDATE arori SET credit2 = credit2 + 100 WHERE reference = '1005'"); },
         "arori document \"1005\" of 2026-10-13: it debits 824.78 and credits 824.79 but its journal lines debit 824.78 and credit 824.78"},
        {"a document lost",
         [](store::Database& b) { execute(b, "DELETE FROM arori WHERE reference = '1006'"); },
         "5 journal line(s) of journal 1, reference \"1006\", date 2026-10-17 have no arori document"},
        {"a document's journal lines lost",
         [](store::Database& b) { execute(b, "DELETE FROM tjld WHERE tjld_reference = 'CS-4001'"); },
         "arori document \"CS-4001\" of 2026-10-09: it has no journal lines"},
        {"a ledger entry lost",
         [](store::Database& b) { execute(b, "DELETE FROM car WHERE car_invoice = '1007' AND car_type = '1'"); },
         "client \"BEL200\", arori document \"1007\" of 2026-10-21: it owes 4030.74 but has no car entry"},
        {"a journal line on an account the chart lacks",
         [](store::Database& b) { execute(b, "UPDATE tjld SET tjld_account = 4999 WHERE tjld_reference = '1008' AND tjld_account = 4010"); },
         "1 line(s) on the account 4999, which the chart of accounts (glm) lacks"},
        {"a tax report line a cent off",
         [](store::Database& b) { reportTax(b, "1001", Money::fromCents(92876)); },
         "taxrep of reference \"1001\" of 2026-10-02: it reports a tax of 928.76 but the journal lines of its rates' accounts and of "
         "the tax held back carry 928.75"},
        {"a tax report in agreement", [](store::Database& b) { reportTax(b, "1001", Money::fromCents(92875)); }, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.damage);
        store::Transaction undone(*books_);
        row.apply(*books_);
        const company::BooksReport report = company::CheckBooks(*books_);
        if (row.named) EXPECT_THAT(joined(report), HasSubstr(row.named));
        else EXPECT_TRUE(report.clean()) << joined(report);
    }
    EXPECT_TRUE(company::CheckBooks(*books_).clean()) << "every damage was given up";
}

// Holdbacks and taxes per rate, posted for real, agree with the check: the holdback account moves
// with the holdback entries, and the tax held back counts as reported. A cent off either is named.
TEST_P(DemoBooksTest, holdbacks_and_taxes_per_rate_agree_and_a_cent_off_is_named)
{
    store::Table accounts(*books_, "glm"), jobCost(*books_, "jcctrl");
    accounts.open();
    jobCost.open();
    company::addRecord(accounts, {{"Glm_account", 2250}, {"Glm_Description", "GST held back"}, {"Glm_summarize", "N"}});
    company::addRecord(accounts, {{"Glm_account", 2260}, {"Glm_Description", "QST held back"}, {"Glm_summarize", "N"}});
    company::addRecord(jobCost, {{"JcCtrl_ARHoldBackAccnt", 1150}, {"JcCtrl_GSTHoldBackAccnt", 2250},
                                 {"JcCtrl_PSTHoldBackAccnt", 2260}, {"JcCtrl_TaxCalcType", 1}});
    execute(*books_, "UPDATE ctrl SET ctrl_taxsystem = 1");
    sales::SalesBooks salesBooks(*books_, true);
    sales::SalesImport import(salesBooks, {12, "TEST", {}, {}}, [](int m) { return "message " + std::to_string(m); });
    for (const char* choice : {"0", "1"}) {
        const std::string invoice = std::string("H") + choice;
        const auto refused = import.post(
            R"({"client": "ABC100", "invoice": ")" + invoice + R"(", "date": "2026-12-01", "rows": [{"account": 1100, "debit": "1149.75"}, )"
            R"({"account": 4000, "credit": "1000.00"}, {"account": 2200, "credit": "50.00"}, {"account": 2210, "credit": "99.75"}], )"
            R"("taxes": [{"code": 1, "net": "1000.00"}, {"code": 2, "net": "1000.00"}], "holdback": {"percent": 10, "choice": )" +
            choice + R"(, "due": "2027-03-01"}})");
        ASSERT_FALSE(refused) << *refused;
    }
    // A note on H0, a day later, whose nets per rate were left at 0: it reports no tax, and the
    // tax its lines carry is not the invoice's.
    const auto note = import.post(
        R"({"client": "ABC100", "type": "credit", "invoice": "H0", "reference": "HC0", "date": "2026-12-02", "rows": [)"
        R"({"account": 1100, "credit": "114.98"}, {"account": 4000, "debit": "100.00"}, {"account": 2200, "debit": "5.00"}, )"
        R"({"account": 2210, "debit": "9.98"}]})");
    ASSERT_FALSE(note) << *note;
    ASSERT_TRUE(company::CheckBooks(*books_).clean()) << joined(company::CheckBooks(*books_));

    const struct {
        const char* damage;
        std::vector<std::string> statements;
        const char* named;
    } rows[] = {
        {"a holdback entry a cent off, with the balance",
         {"UPDATE car SET car_amount = car_amount + 100 WHERE car_invoice = 'H0' AND car_type = '6'",
          "UPDATE cli SET cli_current_bal = cli_current_bal + 100 WHERE cli_code = 'ABC100'"},
         "receivable control account 1100 (currency 0) with the holdback account 1150: the journal moves 2184.52 but the "
         "clients' car entries sum to 2184.53"},
        {"a tax held back a cent off",
         {"UPDATE tjld SET tjld_credit = tjld_credit + 100 WHERE tjld_reference = 'H1' AND tjld_account = 2250"},
         "taxrep of reference \"H1\" of 2026-12-01: it reports a tax of 149.75 but the journal lines of its rates' accounts and of the tax held "
         "back carry 149.76"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.damage);
        store::Transaction undone(*books_);
        for (const std::string& statement : row.statements) execute(*books_, statement);
        EXPECT_THAT(joined(company::CheckBooks(*books_)), HasSubstr(row.named));
    }
}

}  // namespace
}  // namespace orvant::ctl
