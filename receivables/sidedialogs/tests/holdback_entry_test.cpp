// The holdback dialog's rules: the amount a percent gives on each base, the percent an amount
// typed over gives back, when the due date is read, and what is refused.

#include <gtest/gtest.h>

#include "dates/date_format.h"
#include "money/currency_format.h"
#include "sidedialogs/holdback_entry.h"

namespace orvant::sidedialogs {
namespace {

Money cents(std::int64_t c) { return Money::fromCents(c); }

// Net 1,000.00 with taxes of 70.00 and 80.00.
HoldbackEntry sale(HoldbackChoice choice) { return HoldbackEntry::forSales(cents(100000), cents(7000), cents(8000), choice); }

HoldbackEntered entered(const std::variant<HoldbackEntered, HoldbackRefusal>& outcome)
{
    EXPECT_TRUE(std::holds_alternative<HoldbackEntered>(outcome));
    return std::holds_alternative<HoldbackEntered>(outcome) ? std::get<HoldbackEntered>(outcome) : HoldbackEntered{};
}

void expectRefused(const auto& outcome, HoldbackMessage message, HoldbackField field)
{
    ASSERT_TRUE(std::holds_alternative<HoldbackRefusal>(outcome));
    EXPECT_EQ(std::get<HoldbackRefusal>(outcome).message, message);
    EXPECT_EQ(std::get<HoldbackRefusal>(outcome).field, field);
}

class HoldbackEntryTest : public ::testing::Test {
protected:
    void SetUp() override { SetShortDateFormat("DD/MM/YYYY"); }
    const Date dueDay_ = *Date::fromYmd(2026, 9, 30);
};

TEST_F(HoldbackEntryTest, taxes_before_holdback_take_the_percent_of_net_and_both_taxes)
{
    const HoldbackEntry entry = sale(HoldbackChoice::TaxesBeforeHoldback);
    EXPECT_EQ(entry.base(), cents(115000));
    const auto shown = std::get<HoldbackPercentShown>(entry.leavePercent(QStringLiteral("10")));
    EXPECT_EQ(shown.percent, QStringLiteral("10.00"));
    EXPECT_EQ(shown.amount, QStringLiteral("115.00"));

    const HoldbackEntered answer = entered(entry.close(shown.percent, shown.amount, QStringLiteral("30/09/2026")));
    EXPECT_DOUBLE_EQ(answer.answer.percent, 10.0);
    EXPECT_EQ(answer.amount, cents(11500));
    EXPECT_EQ(answer.answer.dueDate, dueDay_);
    EXPECT_EQ(answer.answer.choice, HoldbackChoice::TaxesBeforeHoldback);
}

TEST_F(HoldbackEntryTest, the_amount_is_shown_and_read_in_the_session_language)
{
    SetAmountLanguage(2);
    const HoldbackEntry entry = sale(HoldbackChoice::TaxesBeforeHoldback);
    EXPECT_EQ(std::get<HoldbackPercentShown>(entry.leavePercent(QStringLiteral("10"))).amount, QStringLiteral("115,00"));
    EXPECT_EQ(entered(entry.close(QStringLiteral("10"), QStringLiteral("100,50"), QStringLiteral("30/09/2026"))).amount, cents(10050));
    expectRefused(entry.close(QStringLiteral("10"), QStringLiteral("100.50"), QStringLiteral("30/09/2026")), kNotANumber, HoldbackField::Amount);
    SetAmountLanguage(1);
    expectRefused(entry.close(QStringLiteral("10"), QStringLiteral("100,50"), QStringLiteral("30/09/2026")), kNotANumber, HoldbackField::Amount);
}

TEST_F(HoldbackEntryTest, an_amount_typed_over_sets_the_percent_at_closing)
{
    const HoldbackEntered answer =
        entered(sale(HoldbackChoice::TaxesBeforeHoldback).close(QStringLiteral("10.00"), QStringLiteral("100.00"), QStringLiteral("30/09/2026")));
    EXPECT_NEAR(answer.answer.percent, 8.695652, 1e-6);
    EXPECT_EQ(answer.amount, cents(10000));
}

TEST_F(HoldbackEntryTest, taxes_held_back_too_take_the_percent_of_the_net_alone_and_the_choice_can_change)
{
    HoldbackEntry entry = sale(HoldbackChoice::HoldbackOnTaxes);
    EXPECT_TRUE(entry.offersChoice());
    EXPECT_EQ(std::get<HoldbackPercentShown>(entry.leavePercent(QStringLiteral("10"))).amount, QStringLiteral("100.00"));
    entry.setChoice(HoldbackChoice::TaxesBeforeHoldback);
    EXPECT_EQ(std::get<HoldbackPercentShown>(entry.leavePercent(QStringLiteral("10"))).amount, QStringLiteral("115.00"));
    EXPECT_EQ(entered(entry.close(QStringLiteral("10"), QStringLiteral("115.00"), QStringLiteral("30/09/2026"))).answer.choice,
              HoldbackChoice::TaxesBeforeHoldback);
}

TEST_F(HoldbackEntryTest, a_percent_is_rounded_to_cents_and_shown_with_two_decimals)
{
    const HoldbackEntry entry = HoldbackEntry::forPurchases(cents(33333));  // 333.33
    const auto shown = std::get<HoldbackPercentShown>(entry.leavePercent(QStringLiteral(" 7.5 ")));
    EXPECT_EQ(shown.percent, QStringLiteral("7.50"));
    EXPECT_EQ(shown.amount, QStringLiteral("25.00"));  // 24.999975
    EXPECT_EQ(std::get<HoldbackPercentShown>(entry.leavePercent(QStringLiteral("0"))).amount, QStringLiteral("0.00"));
}

TEST_F(HoldbackEntryTest, nothing_held_back_reads_no_due_date_and_answers_no_percent)
{
    const HoldbackEntered answer = entered(sale(HoldbackChoice::TaxesBeforeHoldback).close(QStringLiteral("0.00"), QStringLiteral("0.00"), QStringLiteral("  /  /    ")));
    EXPECT_EQ(answer.answer.percent, 0.0);
    EXPECT_TRUE(answer.amount.isZero());
    EXPECT_FALSE(answer.answer.dueDate.isValid());
}

TEST_F(HoldbackEntryTest, a_positive_amount_needs_a_due_date_that_reads_in_the_short_format)
{
    const HoldbackEntry entry = sale(HoldbackChoice::TaxesBeforeHoldback);
    for (const char* date : {"  /  /    ", "31/09/2026", "2026-09-30", "garbage"})
        expectRefused(entry.close(QStringLiteral("10"), QStringLiteral("115.00"), QString::fromLatin1(date)), kNotADate, HoldbackField::DueDate);
    SetShortDateFormat("YYYY-MM-DD");
    EXPECT_EQ(entered(entry.close(QStringLiteral("10"), QStringLiteral("115.00"), QStringLiteral("2026-09-30"))).answer.dueDate, dueDay_);
}

TEST_F(HoldbackEntryTest, a_percent_or_amount_that_is_not_a_number_is_refused_at_its_field)
{
    const HoldbackEntry entry = sale(HoldbackChoice::TaxesBeforeHoldback);
    for (const char* percent : {"", "x", "10%", "-5", "1e2", "100.01"}) {
        expectRefused(entry.leavePercent(QString::fromLatin1(percent)), kNotANumber, HoldbackField::Percent);
        expectRefused(entry.close(QString::fromLatin1(percent), QStringLiteral("0.00"), {}), kNotANumber, HoldbackField::Percent);
    }
    // 1,150.01 would hold back more than the document is worth.
    for (const char* amount : {"", "abc", "-1.00", "(5.00)", "1.23456", "1150.01"})
        expectRefused(entry.close(QStringLiteral("10"), QString::fromLatin1(amount), QStringLiteral("30/09/2026")), kNotANumber, HoldbackField::Amount);
    EXPECT_EQ(entered(entry.close(QStringLiteral("100"), QStringLiteral("1,150.00"), QStringLiteral("30/09/2026"))).answer.percent, 100.0);
}

TEST_F(HoldbackEntryTest, a_base_of_zero_or_less_holds_nothing_back)
{
    for (const Money base : {Money(), cents(-5000)}) {
        const HoldbackEntry entry = HoldbackEntry::forPurchases(base);
        EXPECT_FALSE(entry.offersChoice());
        EXPECT_EQ(std::get<HoldbackPercentShown>(entry.leavePercent(QStringLiteral("10"))).amount, QStringLiteral("0.00"));
        const HoldbackEntered answer = entered(entry.close(QStringLiteral("10"), QStringLiteral("25.00"), {}));
        EXPECT_EQ(answer.answer.percent, 0.0);
        EXPECT_TRUE(answer.amount.isZero());
        EXPECT_FALSE(answer.answer.dueDate.isValid());
    }
    // Only tax on a sale: with the taxes held back too there is no net to hold back from.
    const HoldbackEntry onlyTax = HoldbackEntry::forSales(Money(), cents(700), cents(800), HoldbackChoice::HoldbackOnTaxes);
    EXPECT_EQ(entered(onlyTax.close(QStringLiteral("10"), QStringLiteral("0.00"), {})).answer.percent, 0.0);
}

TEST_F(HoldbackEntryTest, the_payables_form_works_on_the_one_base_given)
{
    const HoldbackEntry entry = HoldbackEntry::forPurchases(cents(200000));
    EXPECT_EQ(entry.base(), cents(200000));
    EXPECT_EQ(std::get<HoldbackPercentShown>(entry.leavePercent(QStringLiteral("5"))).amount, QStringLiteral("100.00"));
    EXPECT_NEAR(entered(entry.close(QStringLiteral("5"), QStringLiteral("150.00"), QStringLiteral("01/10/2026"))).answer.percent, 7.5, 1e-12);
}

}  // namespace
}  // namespace orvant::sidedialogs
