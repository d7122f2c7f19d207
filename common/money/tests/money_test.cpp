#include <gtest/gtest.h>

#include "money/money.h"

namespace orvant {
namespace {

Money M(std::string_view text)
{
    const auto parsed = Money::parse(text);
    EXPECT_TRUE(parsed.has_value()) << text;
    return parsed.value_or(Money());
}

TEST(RoundMoney, HalvesGoAwayFromZeroOnTheExactDecimal)
{
    EXPECT_EQ(RoundMoney(M("1.005")), M("1.01"));
    EXPECT_EQ(RoundMoney(M("2.675")), M("2.68"));  // 2.675 is 2.67499... as a double
    EXPECT_EQ(RoundMoney(M("-1.005")), M("-1.01"));
    EXPECT_EQ(RoundMoney(M("-2.675")), M("-2.68"));
}

TEST(RoundMoney, BelowHalfGoesTowardZero)
{
    EXPECT_EQ(RoundMoney(M("1.0049")), M("1.00"));
    EXPECT_EQ(RoundMoney(M("-1.0049")), M("-1.00"));
    EXPECT_EQ(RoundMoney(M("-0.0049")), Money());
    EXPECT_EQ(RoundMoney(M("12.34")), M("12.34"));
}

TEST(MoneyParse, AcceptsSeparatorsSignsAndParentheses)
{
    EXPECT_EQ(M("1,234.56"), Money::fromCents(123456));
    EXPECT_EQ(M("1,234,567"), Money::fromUnits(1234567));
    EXPECT_EQ(M("(12.50)"), Money::fromCents(-1250));
    EXPECT_EQ(M("-12.5"), Money::fromCents(-1250));
    EXPECT_EQ(M("+3"), Money::fromUnits(3));
    EXPECT_EQ(M("  7.25  "), Money::fromCents(725));
    EXPECT_EQ(M(".5"), Money::fromCents(50));
    EXPECT_EQ(M("0.0001"), Money::fromRaw(1));
}

TEST(MoneyParse, RefusesWhatIsNotAnAmount)
{
    for (const char* text : {"", "abc", "12a", "1.23456", "1.2.3", "-", "()", "(-5)", ",123", "1.234,5", "$5", "--1", "1,2,3", "12,50"})
        EXPECT_FALSE(Money::parse(text).has_value()) << '"' << text << '"';
}

TEST(MoneyParse, KeepsEveryDigitWithoutPassingThroughADouble)
{
    // Seventeen significant digits: more than a double holds.
    EXPECT_EQ(M("12345678901234.5678").raw(), 123456789012345678);
    EXPECT_EQ(M("0.1") + M("0.2"), M("0.3"));
    EXPECT_EQ(M("922337203685477.5807").raw(), INT64_MAX);
}

TEST(MoneyParse, RefusesAmountsBeyondTheRange)
{
    EXPECT_FALSE(Money::parse("922337203685477.5808").has_value());
    EXPECT_FALSE(Money::parse("922337203685478").has_value());
    EXPECT_FALSE(Money::parse("99999999999999999999").has_value());
}

TEST(MoneyArithmetic, StopsInsteadOfWrappingRound)
{
    const Money top = Money::fromRaw(INT64_MAX), bottom = Money::fromRaw(INT64_MIN);
    EXPECT_THROW((void)(top + Money::fromRaw(1)), MoneyOverflow);
    EXPECT_THROW((void)(bottom - Money::fromRaw(1)), MoneyOverflow);
    EXPECT_THROW((void)(-bottom), MoneyOverflow);
    EXPECT_THROW((void)Money::fromUnits(INT64_MAX / 100), MoneyOverflow);
    EXPECT_THROW((void)top.percent(200.0), MoneyOverflow);
    EXPECT_THROW((void)Money::fromUnits(1).percent(1e300), MoneyOverflow);
    EXPECT_THROW((void)Money::fromDouble(1e300), MoneyOverflow);
    // Two sales of 920,000,000,000,000.00 on one balance: refused, never negative.
    Money balance = Money::fromUnits(920'000'000'000'000);
    EXPECT_THROW(balance += Money::fromUnits(920'000'000'000'000), MoneyOverflow);
    EXPECT_EQ(balance, Money::fromUnits(920'000'000'000'000));
    EXPECT_EQ(top - top, Money());
}

TEST(CheckedAdd, GivesNothingPastTheBooksLimit)
{
    struct Row {
        Money a, b;
        std::optional<Money> sum;
    };
    const Row rows[] = {
        {M("1.50"), M("2.25"), M("3.75")},
        {kBooksLimit, M("0"), kBooksLimit},
        {kBooksLimit, M("0.01"), std::nullopt},
        {-kBooksLimit, M("-0.0001"), std::nullopt},
        {Money::fromRaw(INT64_MAX), Money::fromRaw(1), std::nullopt},
        {Money::fromRaw(INT64_MAX), Money::fromRaw(INT64_MIN), std::nullopt},  // -1 but from outside the books
    };
    for (const Row& row : rows) EXPECT_EQ(CheckedAdd(row.a, row.b), row.sum) << row.a.toString(4) << " + " << row.b.toString(4);
}

TEST(MoneyPercent, IsRoundedOnceToCents)
{
    EXPECT_EQ(M("100.00").percent(9.975), M("9.98"));
    EXPECT_EQ(M("-100.00").percent(9.975), M("-9.98"));
    EXPECT_EQ(M("100.50").percent(1.0), M("1.01"));  // 1.005 exactly, not 1.00499... as a double
    EXPECT_EQ(M("0.10").percent(5.0), M("0.01"));
    EXPECT_EQ(M("1234.56").percent(0.0), Money());
    EXPECT_EQ(M("19.99").percent(100.0), M("19.99"));
}

TEST(MoneyToString, RoundsToTheRequestedDecimals)
{
    EXPECT_EQ(M("1234.5").toString(), "1234.50");
    EXPECT_EQ(M("-1234.5").toString(), "-1234.50");
    EXPECT_EQ(M("2.5").toString(0), "3");
    EXPECT_EQ(M("-2.5").toString(0), "-3");
    EXPECT_EQ(M("1.2345").toString(4), "1.2345");
    EXPECT_EQ(M("0.05").toString(4), "0.0500");
    EXPECT_EQ(M("-0.004").toString(), "0.00");  // no "-0.00"
}

TEST(MoneyToString, GroupsThousands)
{
    EXPECT_EQ(M("1234567.5").toGroupedString(), "1,234,567.50");
    EXPECT_EQ(M("100000").toGroupedString(), "100,000.00");
    EXPECT_EQ(M("999.99").toGroupedString(), "999.99");
    EXPECT_EQ(M("-1000").toGroupedString(), "-1,000.00");
    EXPECT_EQ(M("-999").toGroupedString(), "-999.00");
    EXPECT_EQ(M("1234.5").toGroupedString(0), "1,235");
    // Grouped text reads back as the same amount.
    EXPECT_EQ(M(M("-9876543.21").toGroupedString()), M("-9876543.21"));
}

}  // namespace
}  // namespace orvant
