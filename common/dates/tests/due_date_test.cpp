#include <gtest/gtest.h>

#include "dates/due_date.h"

namespace orvant {
namespace {

Date Ymd(int y, int m, int d) { return Date::fromYmd(y, m, d).value(); }

TEST(DueDate, BelowNineHundredCountsDays)
{
    EXPECT_EQ(DueDate(Ymd(2024, 1, 31), 30), Ymd(2024, 3, 1));  // February has 29 days
    EXPECT_EQ(DueDate(Ymd(2025, 1, 31), 30), Ymd(2025, 3, 2));  // February has 28 days
    EXPECT_EQ(DueDate(Ymd(2025, 12, 20), 15), Ymd(2026, 1, 4));
    EXPECT_EQ(DueDate(Ymd(2026, 5, 5), 0), Ymd(2026, 5, 5));
    EXPECT_EQ(DueDate(Ymd(2026, 1, 1), 899), Ymd(2026, 1, 1).addDays(899));
}

TEST(DueDate, NegativeRuleIsTheDocumentDate)
{
    EXPECT_EQ(DueDate(Ymd(2026, 5, 5), -1), Ymd(2026, 5, 5));
    EXPECT_EQ(DueDate(Ymd(2026, 5, 5), -930), Ymd(2026, 5, 5));
}

TEST(DueDate, NineHundredsGiveADayOfTheFollowingMonth)
{
    EXPECT_EQ(DueDate(Ymd(2025, 12, 15), 910), Ymd(2026, 1, 10));  // into the next year
    EXPECT_EQ(DueDate(Ymd(2026, 1, 31), 915), Ymd(2026, 2, 15));
    EXPECT_EQ(DueDate(Ymd(2026, 3, 1), 901), Ymd(2026, 4, 1));
    EXPECT_EQ(DueDate(Ymd(2026, 1, 31), 900), Ymd(2026, 2, 1));  // no day: the first
}

TEST(DueDate, ADayTheMonthLacksBecomesItsLastDay)
{
    EXPECT_EQ(DueDate(Ymd(2026, 3, 10), 931), Ymd(2026, 4, 30));
    EXPECT_EQ(DueDate(Ymd(2026, 3, 10), 930), Ymd(2026, 4, 30));
    EXPECT_EQ(DueDate(Ymd(2026, 6, 10), 999), Ymd(2026, 7, 31));
    EXPECT_EQ(DueDate(Ymd(2026, 4, 10), 931), Ymd(2026, 5, 31));
    EXPECT_EQ(DueDate(Ymd(2026, 4, 10), 932), Ymd(2026, 5, 31));
}

TEST(DueDate, FebruaryAfterJanuaryInLeapAndCommonYears)
{
    EXPECT_EQ(DueDate(Ymd(2024, 1, 20), 928), Ymd(2024, 2, 28));
    EXPECT_EQ(DueDate(Ymd(2024, 1, 20), 929), Ymd(2024, 2, 29));
    EXPECT_EQ(DueDate(Ymd(2024, 1, 20), 930), Ymd(2024, 2, 29));
    EXPECT_EQ(DueDate(Ymd(2024, 1, 20), 931), Ymd(2024, 2, 29));
    EXPECT_EQ(DueDate(Ymd(2025, 1, 20), 928), Ymd(2025, 2, 28));
    EXPECT_EQ(DueDate(Ymd(2025, 1, 20), 929), Ymd(2025, 2, 28));
    EXPECT_EQ(DueDate(Ymd(2025, 1, 20), 930), Ymd(2025, 2, 28));
    EXPECT_EQ(DueDate(Ymd(2025, 1, 20), 931), Ymd(2025, 2, 28));
    EXPECT_EQ(DueDate(Ymd(2100, 1, 20), 929), Ymd(2100, 2, 28));  // a century that is not leap
}

TEST(DueDate, InvalidDocumentDateGivesNoDueDate)
{
    EXPECT_FALSE(DueDate(Date(), 30).isValid());
    EXPECT_FALSE(DueDate(Date(), 910).isValid());
}

}  // namespace
}  // namespace orvant
