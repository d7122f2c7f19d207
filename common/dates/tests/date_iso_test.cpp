#include <gtest/gtest.h>

#include "dates/date.h"

namespace orvant {
namespace {

TEST(DateFromIso, ReadsOnlyTheWholeText)
{
    struct Row {
        const char* text;
        bool reads;
    };
    const Row rows[] = {
        {"2026-12-07", true},   {"2024-02-29", true},    {"2026-12-07x", false}, {"2026-12-07 ", false},
        {" 2026-12-07", false}, {"2026-12-07T10:00", false}, {"2026-12-0", false}, {"2026-13-01", false},
        {"2023-02-29", false},  {"2026/12/07", false},   {"", false},
    };
    for (const Row& row : rows) EXPECT_EQ(Date::fromIso(row.text).has_value(), row.reads) << '"' << row.text << '"';
    EXPECT_EQ(Date::fromIso("2026-12-07"), Date::fromYmd(2026, 12, 7));
}

TEST(DateFromIso, TimestampsReadTheirDateAndWriteBackWhole)
{
    EXPECT_EQ(DateTime::fromIso("2026-12-07 14:05:09.250")->date(), *Date::fromYmd(2026, 12, 7));
    EXPECT_FALSE(DateTime::fromIso("2026-12-07x").has_value());
    for (const char* stamp : {"2026-12-07 14:05:09.250", "0005-01-02 00:00:00.000", "9999-12-31 23:59:59.999", "2000-02-29 09:07:03.041"})
        EXPECT_EQ(DateTime::fromIso(stamp)->toIso(), stamp);
    EXPECT_EQ(DateTime().toIso(), "");
}

}  // namespace
TEST(DateToIso, WritesFourDigitYearsAndTwoDigitMonthsAndDaysAndReadsBack)
{
    struct Row {
        int y, m, d;
        const char* iso;
    };
    const Row rows[] = {{2026, 12, 7, "2026-12-07"}, {5, 1, 2, "0005-01-02"}, {9999, 12, 31, "9999-12-31"}, {2000, 2, 29, "2000-02-29"}};
    for (const Row& row : rows) {
        const Date date = *Date::fromYmd(row.y, row.m, row.d);
        EXPECT_EQ(date.toIso(), row.iso);
        EXPECT_EQ(Date::fromIso(date.toIso()), date) << row.iso;
    }
    EXPECT_EQ(Date().toIso(), "");
}

}  // namespace orvant
