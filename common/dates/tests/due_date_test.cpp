#include <gtest/gtest.h>

#include "dates/due_date.h"

namespace orvant {
namespace {

Date Ymd(int y, int m, int d) { return Date::fromYmd(y, m, d).value(); }

TEST(DueDate, FollowsTheTermsRule)
{
    struct Row {
        Date date;
        int rule;
        Date due;
        const char* why;
    };
    const Row rows[] = {
        {Ymd(2024, 1, 31), 30, Ymd(2024, 3, 1), "days: February has 29"},
        {Ymd(2025, 1, 31), 30, Ymd(2025, 3, 2), "days: February has 28"},
        {Ymd(2025, 12, 20), 15, Ymd(2026, 1, 4), "days into the next year"},
        {Ymd(2026, 5, 5), 0, Ymd(2026, 5, 5), "no days"},
        {Ymd(2026, 1, 1), 899, Ymd(2026, 1, 1).addDays(899), "the most days"},
        {Ymd(2026, 5, 5), -1, Ymd(2026, 5, 5), "a negative rule is the document date"},
        {Ymd(2026, 5, 5), -930, Ymd(2026, 5, 5), "a negative rule is the document date"},
        {Ymd(2025, 12, 15), 910, Ymd(2026, 1, 10), "a day of the next month, into the next year"},
        {Ymd(2026, 1, 31), 915, Ymd(2026, 2, 15), "a day of the next month"},
        {Ymd(2026, 3, 1), 901, Ymd(2026, 4, 1), "a day of the next month"},
        {Ymd(2026, 1, 31), 900, Ymd(2026, 2, 1), "no day: the first"},
        {Ymd(2026, 3, 10), 931, Ymd(2026, 4, 30), "a day April lacks: its last"},
        {Ymd(2026, 3, 10), 930, Ymd(2026, 4, 30), "April's last day"},
        {Ymd(2026, 6, 10), 999, Ymd(2026, 7, 31), "past any month: its last day"},
        {Ymd(2026, 4, 10), 931, Ymd(2026, 5, 31), "May's last day"},
        {Ymd(2026, 4, 10), 932, Ymd(2026, 5, 31), "past any month: its last day"},
        {Ymd(2024, 1, 20), 928, Ymd(2024, 2, 28), "February of a leap year"},
        {Ymd(2024, 1, 20), 929, Ymd(2024, 2, 29), "February of a leap year"},
        {Ymd(2024, 1, 20), 930, Ymd(2024, 2, 29), "February of a leap year"},
        {Ymd(2024, 1, 20), 931, Ymd(2024, 2, 29), "February of a leap year"},
        {Ymd(2025, 1, 20), 928, Ymd(2025, 2, 28), "February of a common year"},
        {Ymd(2025, 1, 20), 929, Ymd(2025, 2, 28), "February of a common year"},
        {Ymd(2025, 1, 20), 930, Ymd(2025, 2, 28), "February of a common year"},
        {Ymd(2025, 1, 20), 931, Ymd(2025, 2, 28), "February of a common year"},
        {Ymd(2100, 1, 20), 929, Ymd(2100, 2, 28), "a century that is not leap"},
    };
    for (const Row& row : rows) EXPECT_EQ(DueDate(row.date, row.rule), row.due) << row.why << ", rule " << row.rule;
}

TEST(DueDate, InvalidDocumentDateGivesNoDueDate)
{
    EXPECT_FALSE(DueDate(Date(), 30).isValid());
    EXPECT_FALSE(DueDate(Date(), 910).isValid());
}

}  // namespace
}  // namespace orvant
