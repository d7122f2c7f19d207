// The rules of one entry: its item's dates, its age, its bucket, the older-than choice, and the
// conversion of its amount.

#include <gtest/gtest.h>

#include "aging/aging_rules.h"
#include "aging/currency_conversion.h"

namespace orvant::aging {
namespace {

Date day(int y, int m, int d) { return *Date::fromYmd(y, m, d); }

LedgerEntry entry(const char* type, Date date, std::int64_t seq, bool holdback = false, Date due = {})
{
    return {"100", "", type, date, due, Money::fromUnits(10), seq, holdback};
}

const BucketLimits kLimits{30, 60, 90, 120, 150};

TEST(AgingRules, an_items_dates_come_from_its_opening_entry_else_its_earliest)
{
    const Date march1 = day(2026, 3, 1), march9 = day(2026, 3, 9), feb1 = day(2026, 2, 1);
    struct Row {
        const char* what;
        std::vector<LedgerEntry> item;
        Date date;
    } rows[] = {
        {"the sale, though posted after its payment", {entry("2", feb1, 1), entry("1", march1, 2)}, march1},
        {"a holdback's own entry", {entry("2", march9, 3, true), entry("6", march1, 7, true)}, march1},
        {"the earliest by date", {entry("5", march9, 1), entry("4", feb1, 9)}, feb1},
        {"the earliest by number on one date", {entry("5", march1, 8), entry("4", march1, 3, false, march9)}, march1},
    };
    for (const Row& row : rows) EXPECT_EQ(DatesOfItem(row.item).date, row.date) << row.what;
    EXPECT_EQ(DatesOfItem(rows[3].item).dueDate, march9) << "the due date of the entry the dates come from";
    EXPECT_EQ(DatesOfItem(std::vector{entry("1", march1, 1)}).dueDate, march1) << "an empty due date is the date itself";
}

TEST(AgingRules, ages_fall_in_the_bucket_their_limit_closes)
{
    const Date report = day(2026, 6, 30);
    struct Row {
        int days;
        int bucket;
    } rows[] = {{-5, 1}, {0, 1}, {30, 1}, {31, 2}, {60, 2}, {61, 3}, {120, 4}, {121, 5}, {400, 5}};
    for (const Row& row : rows) {
        const ItemDates dates{report.addDays(-row.days), report.addDays(-row.days)};
        const int age = AgeInDays(dates, report, false);
        EXPECT_EQ(age, row.days);
        EXPECT_EQ(BucketOf(age, kLimits), row.bucket) << row.days << " days";
    }
    EXPECT_EQ(AgeInDays({day(2026, 1, 1), day(2026, 6, 20)}, report, true), 10) << "from the due date";
}

TEST(AgingRules, older_than_reaches_the_limit_on_receivables_and_passes_it_on_payables)
{
    struct Row {
        int age, olderThan;
        bool atLeast, beyond;
    } rows[] = {{59, 2, false, false}, {60, 2, true, false}, {61, 2, true, true},
                {150, 5, true, false}, {3, 0, true, true}};
    for (const Row& row : rows) {
        EXPECT_EQ(KeptByAge(row.age, row.olderThan, kLimits, OlderThanRule::AtLeast), row.atLeast) << row.age;
        EXPECT_EQ(KeptByAge(row.age, row.olderThan, kLimits, OlderThanRule::Beyond), row.beyond) << row.age;
    }
}

TEST(AgingRules, conversion_goes_through_home_currency_and_rounds_once)
{
    CurrencyTable table;
    table.names = {"", "US dollar", "Euro", "Yen", "Peso"};
    table.rates = {1.0, 1.25, 1.3, 0.0, 1.0 / 3};
    const Money million = Money::fromUnits(1'000'000);
    struct Row {
        Money amount;
        int from;
        std::optional<int> target;
        Money expected;
    } rows[] = {
        {million, 1, 0, Money::fromUnits(1'250'000)},
        {million, 2, 0, Money::fromUnits(1'300'000)},
        {-million, 2, 0, -Money::fromUnits(1'300'000)},
        {million, 0, 2, Money::fromCents(76'923'077)},
        {Money::fromUnits(100), 4, 0, Money::fromCents(33'33)},
        {Money::fromRaw(1'2345), 3, 3, Money::fromRaw(1'2345)},  // no rate needed: kept as stored
        {Money::fromRaw(1'2345), 3, std::nullopt, Money::fromRaw(1'2345)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CurrencyConversion(table, row.target).convert(row.amount, row.from), row.expected) << row.amount.toString(4);

    try {
        CurrencyConversion(table, 0).convert(million, 3);
        ADD_FAILURE() << "a zero rate converted";
    } catch (const ZeroRate& refused) {
        EXPECT_EQ(refused.currency(), 3);
        EXPECT_EQ(refused.currencyName(), "Yen");
    }
    EXPECT_THROW(CurrencyConversion(table, 3).convert(million, 0), ZeroRate) << "into a currency without rate";
}

}  // namespace
}  // namespace orvant::aging
