#include <gtest/gtest.h>

#include "money/currency_format.h"

namespace orvant {
namespace {

const ForeignCurrencySigns kSigns = {"US", "E", "L", "Y"};

Money Cents(std::int64_t cents) { return Money::fromCents(cents); }

TEST(CurrencyFormat, SymbolBeforeWithLeftAlignmentInEitherCase)
{
    for (const char* align : {"L", "l"}) {
        CurrencyFormat display;
        display.setSigns("$", align, kSigns);
        EXPECT_EQ(display.format(Cents(123450)), "$1,234.50") << align;
        EXPECT_EQ(display.format(Cents(-123450)), "-$1,234.50") << align;
        EXPECT_EQ(display.format(Money()), "$0.00") << align;
    }
}

TEST(CurrencyFormat, AnyOtherAlignmentPutsTheSymbolAfterAndNegativesInParentheses)
{
    for (const char* align : {"R", "r", "", "Left"}) {
        CurrencyFormat display;
        display.setSigns("$", align, kSigns);
        EXPECT_EQ(display.format(Cents(123450)), "1,234.50$") << align;
        EXPECT_EQ(display.format(Cents(-123450)), "(1,234.50$)") << align;
    }
}

TEST(CurrencyFormat, RoundsToCentsBeforeChoosingTheSign)
{
    CurrencyFormat display;
    display.setSigns("$", "R", kSigns);
    EXPECT_EQ(display.format(Money::fromRaw(-40)), "0.00$");   // -0.004
    EXPECT_EQ(display.format(Money::fromRaw(-50)), "(0.01$)");  // -0.005
    EXPECT_EQ(display.format(Money::fromRaw(12345678905)), "1,234,567.89$");
}

TEST(CurrencyFormat, UseCurrencyChoosesTheSign)
{
    CurrencyFormat display;
    display.setSigns("$", "L", kSigns);
    ASSERT_TRUE(display.use(2));
    EXPECT_EQ(display.format(Cents(100)), "E1.00");
    ASSERT_TRUE(display.use(4));
    EXPECT_EQ(display.format(Cents(-100)), "-Y1.00");
    ASSERT_TRUE(display.use(0));
    EXPECT_EQ(display.format(Cents(100)), "$1.00");
    ASSERT_TRUE(display.use(CurrencyFormat::kNoSign));
    EXPECT_EQ(display.format(Cents(-123450)), "-1,234.50");
    display.setSigns("$", "R", kSigns);
    EXPECT_EQ(display.format(Cents(-123450)), "(1,234.50)");
}

TEST(CurrencyFormat, RefusesAnUnknownCurrencyAndKeepsTheCurrentSign)
{
    CurrencyFormat display;
    display.setSigns("$", "L", kSigns);
    display.use(1);
    EXPECT_FALSE(display.use(5));
    EXPECT_FALSE(display.use(-2));
    EXPECT_EQ(display.currentIndex(), 1);
    EXPECT_EQ(display.format(Cents(100)), "US1.00");
}

TEST(CurrencyFormat, NewSignsKeepTheCurrentIndex)
{
    CurrencyFormat display;
    display.setSigns("$", "L", kSigns);
    display.use(3);
    display.setSigns("$", "R", {"a", "b", "c", "d"});
    EXPECT_EQ(display.format(Cents(250)), "2.50c");
}

TEST(CurrencyFormat, ProcessWideFunctionsShareOneDisplay)
{
    SetCurrencySigns("kr", "R", kSigns);
    UseCurrency(0);
    EXPECT_EQ(FormatMoney(Cents(-99)), "(0.99kr)");
    UseCurrency(1);
    EXPECT_EQ(ProcessCurrencyFormat().currentSign(), "US");
    SetCurrencySigns("$", "L", {});
    UseCurrency(0);
    EXPECT_EQ(FormatMoney(Cents(100)), "$1.00");
}

}  // namespace
}  // namespace orvant
