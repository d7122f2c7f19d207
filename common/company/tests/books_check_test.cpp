// The integrity check finds each kind of disagreement and names where it is.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "company/books_check.h"
#include "company/company_creation.h"
#include "company/data_root_setup.h"
#include "company/demo_company.h"
#include "company/record.h"
#include "testing/books_fixture.h"

namespace orvant::company {
namespace {

using ::testing::HasSubstr;

class BooksCheckTest : public testing::BooksTest {
protected:
    BooksCheckTest() : BooksTest(Company::Demo) {}

    // A sale of 100.00 plus 5.00 of tax, posted whole: header, three lines, ledger entry, balance.
    void postSale(const std::string& invoice, Money debitAdjustment = {})
    {
        store::Table headers(*books_, "tjlh"), lines(*books_, "tjld"), ledger(*books_, "car"), clients(*books_, "cli");
        for (store::Table* t : {&headers, &lines, &ledger, &clients}) t->open();
        addRecord(headers, {{"Tjlh_period", 3}, {"Tjlh_journal", 1}, {"Tjlh_reference", invoice}, {"Tjlh_date", day_},
                            {"Tjlh_tot_debit", Money::fromUnits(105)}, {"Tjlh_tot_credit", Money::fromUnits(105)}});
        const std::tuple<int, Money, Money> rows[] = {{1100, Money::fromUnits(105) + debitAdjustment, Money()},
                                                      {4000, Money(), Money::fromUnits(100)},
                                                      {2200, Money(), Money::fromUnits(5)}};
        for (const auto& [account, debit, credit] : rows)
            addRecord(lines, {{"Tjld_period", 3}, {"Tjld_journal", 1}, {"Tjld_reference", invoice}, {"Tjld_date", day_},
                              {"Tjld_account", account}, {"Tjld_debit", debit}, {"Tjld_credit", credit}});
        addRecord(ledger, {{"Car_client", "ABC100"}, {"Car_invoice", invoice}, {"Car_date", day_}, {"Car_type", "1"},
                           {"Car_amount", Money::fromUnits(105)}});
        ASSERT_TRUE(clients.findKey({"ABC100"}));
        clients.edit();
        clients.field("Cli_current_bal") = clients.field("Cli_current_bal").asMoney() + Money::fromUnits(105);
        clients.post();
    }

    std::string problems()
    {
        std::string all;
        for (const auto& p : CheckBooks(installation_, 1).problems) all += p + "\n";
        return all;
    }

    Date day_ = *Date::fromYmd(2026, 3, 14);
};
ORVANT_BOOKS_ON_EVERY_ENGINE(BooksCheckTest);

TEST_P(BooksCheckTest, demo_books_and_whole_postings_are_clean)
{
    postSale("1001");
    postSale("1002");
    const BooksReport report = CheckBooks(installation_, 1);
    EXPECT_TRUE(report.clean()) << problems();
    EXPECT_EQ(report.headers, 2);
    EXPECT_EQ(report.clients, 5);
    EXPECT_EQ(report.suppliers, 4);
}

TEST_P(BooksCheckTest, a_corrupted_journal_line_names_its_header)
{
    postSale("1001");
    postSale("1002", Money::fromCents(1));
    const std::string found = problems();
    EXPECT_THAT(found, HasSubstr("reference \"1002\", date 2026-03-14: total debit 105.00 but its lines debit 105.01"));
    EXPECT_THAT(found, HasSubstr("reference \"1002\", date 2026-03-14: its lines debit 105.01 but credit 105.00"));
    EXPECT_THAT(found, ::testing::Not(HasSubstr("\"1001\"")));
}

TEST_P(BooksCheckTest, stray_lines_and_entries_and_drifted_balances_are_named)
{
    postSale("1001");
    store::Table lines(*books_, "tjld"), ledger(*books_, "car"), suppliers(*books_, "sup");
    for (store::Table* t : {&lines, &ledger, &suppliers}) t->open();
    addRecord(lines, {{"Tjld_period", 4}, {"Tjld_journal", 3}, {"Tjld_reference", "P77"}, {"Tjld_date", day_},
                      {"Tjld_account", 5000}, {"Tjld_debit", Money::fromUnits(1)}});
    addRecord(ledger, {{"Car_client", "GONE"}, {"Car_invoice", "9"}, {"Car_amount", Money::fromUnits(3)}});
    ASSERT_TRUE(suppliers.findKey({"MAP300"}));
    suppliers.edit();
    suppliers.field("Sup_current_bal") = Money::fromCents(-250);
    suppliers.post();

    const std::string found = problems();
    EXPECT_THAT(found, HasSubstr("1 journal line(s) without their header: journal header period 4, journal 3, reference \"P77\""));
    EXPECT_THAT(found, HasSubstr("1 car entries name the unknown client \"GONE\""));
    EXPECT_THAT(found, HasSubstr("supplier \"MAP300\": balance -2.50 but its cap entries sum to 0.00"));
    EXPECT_THAT(found, ::testing::Not(HasSubstr("ABC100")));
}

}  // namespace
}  // namespace orvant::company
