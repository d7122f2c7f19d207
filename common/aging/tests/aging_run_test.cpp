// The aging of a company's client ledger, on each engine: which entries and clients a report
// shows, in which buckets, with which totals.

#include <gtest/gtest.h>

#include "aging/aging_run.h"
#include "store/query.h"
#include "store/table.h"
#include "testing/books_fixture.h"

namespace orvant::aging {
namespace {

Date day(int y, int m, int d) { return *Date::fromYmd(y, m, d); }
const Date kReport = day(2026, 6, 30);

class AgingRunTest : public testing::BooksTest {
protected:
    void SetUp() override
    {
        BooksTest::SetUp();
        if (IsSkipped()) return;
        store::Query(*books_, "DELETE FROM car").execute();
        store::Query(*books_, "DELETE FROM cli").execute();
        store::Query(*books_, "UPDATE ctrl SET ctrl_curr1_name = 'US dollar', ctrl_curr1_rate = 1.25, "
                              "ctrl_curr2_name = 'Euro', ctrl_curr2_rate = 1.3, ctrl_curr3_name = 'Yen', ctrl_curr3_rate = 0")
            .execute();
    }

    void client(const char* code, int currency = 0, const char* territory = "")
    {
        store::Table cli(*books_, "cli");
        cli.open();
        cli.insert();
        cli.field("Cli_code") = code;
        cli.field("Cli_name") = std::string("Client ") + code;
        cli.field("Cli_currency") = currency;
        cli.field("Cli_terr") = territory;
        cli.post();
    }

    // An entry `days` before the report date.
    void entry(const char* code, const char* invoice, const char* type, int days, std::int64_t cents, int dueIn = 0,
               bool holdback = false)
    {
        store::Table car(*books_, "car");
        car.open();
        car.insert();
        car.field("Car_client") = code;
        car.field("Car_invoice") = invoice;
        car.field("Car_type") = type;
        car.field("Car_date") = kReport.addDays(-days);
        car.field("Car_du_date") = kReport.addDays(-days + dueIn);
        car.field("Car_amount") = Money::fromCents(cents);
        car.field("Car_holdback") = holdback;
        car.post();
    }

    std::vector<AgedParty> age(AgingOptions options = {})
    {
        if (!options.reportDate.isValid()) options.reportDate = kReport;
        AgingRun run(*books_, AgingLedger::receivables(), ReadAgingControl(*books_, AgingLedger::receivables(), "$"), options);
        std::vector<AgedParty> parties;
        run.run([&](const AgedParty& p) { parties.push_back(p); });
        totals_ = run.totalsByCurrency();
        return parties;
    }

    std::map<int, BucketTotals> totals_;
};
ORVANT_BOOKS_ON_EVERY_ENGINE(AgingRunTest);

Money units(std::int64_t n) { return Money::fromUnits(n); }

TEST_P(AgingRunTest, invoices_of_30_31_120_and_121_days_land_in_buckets_1_2_4_and_5)
{
    client("A");
    const int ages[] = {30, 31, 120, 121};
    for (int age : ages) entry("A", std::to_string(age).c_str(), "1", age, 100 * age);
    const auto parties = age();
    ASSERT_EQ(parties.size(), 1u);
    const BucketTotals& t = parties[0].totals;
    EXPECT_EQ(t.buckets, (std::array<Money, 5>{units(30), units(31), Money(), units(120), units(121)}));
    EXPECT_EQ(t.amount, units(302));
    EXPECT_EQ(totals_.at(0), t);
    const auto& ledger = AgingLedger::receivables();
    EXPECT_EQ(AgeOneParty(*books_, ledger, ReadAgingControl(*books_, ledger, "$"), "A", kReport), t) << "the inquiry graph's form";
}

TEST_P(AgingRunTest, payments_and_notes_age_with_their_invoice_and_never_with_another_clients)
{
    client("A");
    client("B");
    entry("A", "100", "2", 5, -4000);   // posted first, dated after the invoice
    entry("A", "100", "1", 75, 10000);
    entry("A", "100", "5", 0, -1000);
    entry("B", "100", "1", 10, 5000);   // the same number at another client
    entry("B", "100", "2", 2, -1000);
    const auto parties = age();
    ASSERT_EQ(parties.size(), 2u);
    for (const AgedEntry& e : parties[0].entries) EXPECT_EQ(e.days, 75) << "client A, type " << e.entry.type;
    for (const AgedEntry& e : parties[1].entries) EXPECT_EQ(e.days, 10) << "client B, type " << e.entry.type;
    EXPECT_EQ(parties[0].totals.buckets[2], units(50));
    EXPECT_EQ(parties[1].totals.buckets[0], units(40));
    EXPECT_EQ(parties[0].entries.front().entry.type, "1") << "an item's entries listed by date";
}

TEST_P(AgingRunTest, a_holdback_and_its_payments_age_from_the_holdback_apart_from_the_invoice)
{
    client("A");
    entry("A", "300", "1", 100, 25000, 30);         // due 70 days ago
    entry("A", "300", "6", 100, 5000, 90, true);     // held back, due 10 days ago
    entry("A", "300", "2", 1, -2000, 0, true);       // on the holdback
    entry("A", "300", "2", 2, -25000);               // on the invoice
    AgingOptions options;
    options.fromDueDate = true;
    const auto parties = age(options);
    ASSERT_EQ(parties.size(), 1u);
    for (const AgedEntry& e : parties[0].entries)
        EXPECT_EQ(e.days, e.entry.holdback ? 10 : 70) << "type " << e.entry.type << (e.entry.holdback ? ", holdback" : "");
    EXPECT_EQ(parties[0].totals.buckets[0], units(30));
    EXPECT_EQ(parties[0].totals.buckets[2], Money());
}

TEST_P(AgingRunTest, a_report_in_the_past_leaves_out_later_entries_and_the_clients_they_would_show)
{
    client("A");
    client("B");
    entry("A", "1", "1", 40, 10000);
    entry("A", "1", "2", 10, -10000);  // paid after the report date
    entry("B", "2", "1", 40, 20000);
    entry("B", "2", "2", 30, -20000);  // paid before it
    AgingOptions at;
    at.reportDate = kReport.addDays(-20);
    auto parties = age(at);
    ASSERT_EQ(parties.size(), 1u) << "B owes nothing at that date";
    EXPECT_EQ(parties[0].details.code, "A");
    EXPECT_EQ(parties[0].totals.buckets[0], units(100)) << "20 days old then";

    at.keepZeroBalance = true;
    EXPECT_EQ(age(at).size(), 2u);
    at.keepZeroBalance = false;
    at.includeSubsequent = true;
    EXPECT_TRUE(age(at).empty()) << "both paid once later entries count";
}

TEST_P(AgingRunTest, older_than_keeps_entries_reaching_the_limit_and_the_balance_follows)
{
    client("A");
    entry("A", "1", "1", 60, 10000);
    entry("A", "2", "1", 59, 7000);
    entry("A", "3", "1", 61, 3000, 30);  // due 31 days ago
    struct Row {
        int olderThan;
        bool fromDueDate;
        Money balance;
    } rows[] = {{2, false, units(130)}, {3, false, Money()}, {2, true, units(100)}, {0, false, units(200)}};
    for (const Row& row : rows) {
        AgingOptions options;
        options.olderThan = row.olderThan;
        options.fromDueDate = row.fromDueDate;
        options.keepZeroBalance = true;
        const auto parties = age(options);
        ASSERT_EQ(parties.size(), 1u);
        EXPECT_EQ(parties[0].balance, row.balance) << "older than " << row.olderThan;
        EXPECT_EQ(parties[0].totals.amount, row.balance);
    }
}

TEST_P(AgingRunTest, conversion_of_a_million_at_1_25_and_1_3_and_a_zero_rate_refused_only_when_needed)
{
    client("D", 0);
    client("U", 1);
    client("E", 2);
    client("Y", 3);
    for (const char* code : {"U", "E"}) entry(code, "1", "1", 3, 100'000'000);
    entry("D", "1", "1", 3, 1000);
    AgingOptions options;
    options.convertTo = 0;
    auto parties = age(options);
    ASSERT_EQ(parties.size(), 3u) << "the yen client owes nothing and is not asked for its rate";
    EXPECT_EQ(parties[1].totals.amount, units(1'300'000)) << parties[1].details.code;
    EXPECT_EQ(parties[2].totals.amount, units(1'250'000)) << parties[2].details.code;
    EXPECT_EQ(totals_.size(), 1u);
    EXPECT_EQ(totals_.at(0).amount, units(2'550'010));

    options.convertTo.reset();
    age(options);
    EXPECT_EQ(totals_.size(), 3u) << "without conversion, one total per currency";
    EXPECT_EQ(totals_.at(2).amount, units(1'000'000));

    entry("Y", "1", "1", 3, 500);
    options.convertTo = 0;
    EXPECT_THROW(age(options), ZeroRate);
    options.onlyCurrency = 1;
    parties = age(options);
    ASSERT_EQ(parties.size(), 1u) << "a list of one currency";
    EXPECT_EQ(parties[0].details.code, "U");
}

TEST_P(AgingRunTest, the_range_and_territory_choose_the_clients)
{
    for (const char* code : {"A", "B", "C", "D"}) {
        client(code, 0, code[0] == 'C' ? "EAST" : "");
        entry(code, "1", "1", 1, 100);
    }
    struct Row {
        const char *from, *to, *territory;
        std::vector<std::string> codes;
    } rows[] = {{"B", "", "", {"B", "C", "D"}}, {"B", "C", "", {"B", "C"}}, {"", "", "EAST", {"C"}}, {"C", "B", "", {}}};
    for (const Row& row : rows) {
        AgingOptions options;
        options.fromCode = row.from;
        options.toCode = row.to;
        options.territory = row.territory;
        std::vector<std::string> codes;
        for (const AgedParty& p : age(options)) codes.push_back(p.details.code);
        EXPECT_EQ(codes, row.codes) << row.from << ".." << row.to;
    }
}

}  // namespace
}  // namespace orvant::aging
