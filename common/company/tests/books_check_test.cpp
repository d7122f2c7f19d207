// The integrity check finds each kind of disagreement and names where it is.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>

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

    // A sale of 100.00 plus 5.00 of tax, posted whole: header, three lines, ledger entry, balance
    // and document; `receivable` is what the ledger entry and the balance take.
    void postSale(const std::string& invoice, Money debitAdjustment = {}, Money receivable = Money::fromUnits(105))
    {
        store::Table headers(*books_, "tjlh"), lines(*books_, "tjld"), ledger(*books_, "car"), clients(*books_, "cli"),
            documents(*books_, "arori");
        for (store::Table* t : {&headers, &lines, &ledger, &clients, &documents}) t->open();
        addRecord(headers, {{"Tjlh_period", 3}, {"Tjlh_journal", 1}, {"Tjlh_reference", invoice}, {"Tjlh_date", day_},
                            {"Tjlh_tot_debit", Money::fromUnits(105)}, {"Tjlh_tot_credit", Money::fromUnits(105)}});
        const std::tuple<int, Money, Money> rows[] = {{1100, Money::fromUnits(105) + debitAdjustment, Money()},
                                                      {4000, Money(), Money::fromUnits(100)},
                                                      {2200, Money(), Money::fromUnits(5)}};
        for (const auto& [account, debit, credit] : rows)
            addRecord(lines, {{"Tjld_period", 3}, {"Tjld_journal", 1}, {"Tjld_reference", invoice}, {"Tjld_date", day_},
                              {"Tjld_account", account}, {"Tjld_debit", debit}, {"Tjld_credit", credit}});
        addRecord(ledger, {{"Car_client", "ABC100"}, {"Car_invoice", invoice}, {"Car_date", day_}, {"Car_type", "1"},
                           {"Car_amount", receivable}});
        addRecord(documents, {{"Reference", invoice}, {"Client", "ABC100"}, {"Date", day_}, {"Direct_cash_sale", false},
                              {"Trx_type", "1"}, {"Account1", 1100}, {"Debit1", Money::fromUnits(105)}, {"Account2", 4000},
                              {"Credit2", Money::fromUnits(100)}, {"Account3", 2200}, {"Credit3", Money::fromUnits(5)}});
        ASSERT_TRUE(clients.findKey({"ABC100"}));
        clients.edit();
        // Wrapping round as a 64-bit balance would, past its range.
        const std::uint64_t balance = static_cast<std::uint64_t>(clients.field("Cli_current_bal").asMoney().raw()) +
                                      static_cast<std::uint64_t>(receivable.raw());
        clients.field("Cli_current_bal") = Money::fromRaw(static_cast<std::int64_t>(balance));
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
    EXPECT_EQ(report.documents, 2);
    EXPECT_EQ(report.clients, 5);
    EXPECT_EQ(report.suppliers, 4);
}

// A difference of a cent shows in cents; one below the cent in ten-thousandths, so that the two
// amounts never read alike.
TEST_P(BooksCheckTest, a_damaged_journal_line_shows_the_difference_however_small)
{
    const struct {
        Money damage;
        const char* shown;
    } rows[] = {
        {Money::fromCents(1), "reference \"1002\", date 2026-03-14: total debit 105.00 but its lines debit 105.01"},
        {Money::fromRaw(1), "reference \"1002\", date 2026-03-14: total debit 105.0000 but its lines debit 105.0001"},
        {Money::fromCents(-1), "reference \"1002\", date 2026-03-14: its lines debit 104.99 but credit 105.00"},
    };
    postSale("1001");
    for (const auto& row : rows) {
        store::Transaction undone(*books_);
        postSale("1002", row.damage);
        const BooksReport report = CheckBooks(*books_);
        std::string found;
        for (const auto& p : report.problems) found += p + "\n";
        EXPECT_THAT(found, HasSubstr(row.shown));
        EXPECT_THAT(found, ::testing::Not(HasSubstr("\"1001\"")));
    }
}

// Entries whose sums pass the range of 64 bits are named with their exact sums, and the check
// goes on through the rest of the books.
TEST_P(BooksCheckTest, sums_past_64_bits_are_named_not_failed)
{
    const Money huge = Money::fromRaw(std::numeric_limits<std::int64_t>::max() / 2 + 1);
    postSale("1001", {}, huge);
    postSale("1002", {}, huge);
    std::string found;
    ASSERT_NO_THROW(found = problems());
    EXPECT_THAT(found, HasSubstr("client \"ABC100\": balance -922337203685477.5808 but its car entries sum to "
                                 "922337203685477.5808"));
    EXPECT_THAT(found, HasSubstr("client \"ABC100\", arori document \"1002\" of 2026-03-14: it owes 105.0000 but its car "
                                 "entries sum to 461168601842738.7904"));
}

}  // namespace
}  // namespace orvant::company
