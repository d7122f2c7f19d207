#include <gtest/gtest.h>

#include "dates/date_format.h"

namespace orvant {
namespace {

Date Ymd(int y, int m, int d) { return Date::fromYmd(y, m, d).value(); }

TEST(DateMask, LettersBecomeNinesAndSeparatorsStay)
{
    EXPECT_EQ(DateMaskFor("DD/MM/YYYY"), "!99/99/9999;1; ");
    EXPECT_EQ(DateMaskFor("YYYY-MM-DD"), "!9999-99-99;1; ");
    EXPECT_EQ(DateMaskFor("dd.mm.yy"), "!99.99.99;1; ");
    EXPECT_EQ(DateMaskFor("mM dD yYyY"), "!99 99 9999;1; ");
}

TEST(DateMask, OnlyTheFourFormDateMasksAreReplaced)
{
    for (const char* mask : {"99/99/9999", "9999/99/99", "!99/99/9999", "!99/99/9999;1; "})
        EXPECT_TRUE(IsDateMask(mask)) << mask;
    for (const char* mask : {"!(999) 000-0000;1;_", "99/99/99", "!9999-99-99;1; ", "", "99/99/9999 "})
        EXPECT_FALSE(IsDateMask(mask)) << mask;
}

TEST(DateMask, TranslatesToAQtInputMask)
{
    EXPECT_EQ(QtInputMaskFor(DateMaskFor("DD/MM/YYYY")), "99/99/9999; ");
    EXPECT_EQ(QtInputMaskFor(DateMaskFor("YYYY-MM-DD")), "9999-99-99; ");
    EXPECT_EQ(QtInputMaskFor("99/99/9999"), "99/99/9999; ");
    EXPECT_EQ(QtInputMaskFor("!0000/00/00;1;_"), "9999/99/99;_");
}

TEST(DateMask, LiteralsThatQtWouldReadAsMaskCharactersAreEscaped)
{
    EXPECT_EQ(QtInputMaskFor("!99#99;1; "), "99\\#99; ");
    EXPECT_EQ(QtInputMaskFor("!99\\9a;1; "), "99\\9\\a; ");  // "\9" is a literal nine
}

TEST(DateFormat, WritesFieldsWithAndWithoutLeadingZeros)
{
    const Date date = Ymd(2026, 3, 7);
    EXPECT_EQ(FormatDate(date, "DD/MM/YYYY"), "07/03/2026");
    EXPECT_EQ(FormatDate(date, "yyyy-mm-dd"), "2026-03-07");
    EXPECT_EQ(FormatDate(date, "d.m.yy"), "7.3.26");
    EXPECT_EQ(FormatDate(Ymd(2005, 11, 30), "MM/DD/YY"), "11/30/05");
    EXPECT_EQ(FormatDate(Date(), "DD/MM/YYYY"), "");
}

TEST(DateFormat, RoundTripsEveryDayOfALeapYearInSeveralFormats)
{
    for (const char* format : {"DD/MM/YYYY", "YYYY-MM-DD", "MM/DD/YYYY", "d.m.yyyy", "DDMMYYYY"}) {
        for (Date day = Ymd(2024, 1, 1); day <= Ymd(2024, 12, 31); day = day.addDays(1)) {
            const std::string text = FormatDate(day, format);
            EXPECT_EQ(ParseDate(text, format, 2026), day) << format << ' ' << text;
        }
    }
}

TEST(DateFormat, TwoDigitYearsFallWithinFiftyYearsOfTheReference)
{
    EXPECT_EQ(ParseDate("01/01/76", "DD/MM/YY", 2026), Ymd(1976, 1, 1));
    EXPECT_EQ(ParseDate("01/01/75", "DD/MM/YY", 2026), Ymd(2075, 1, 1));
    EXPECT_EQ(ParseDate("01/01/00", "DD/MM/YY", 2026), Ymd(2000, 1, 1));
    EXPECT_EQ(ParseDate("01/01/99", "DD/MM/YY", 2080), Ymd(2099, 1, 1));
    EXPECT_EQ(ParseDate("01/01/29", "DD/MM/YY", 2080), Ymd(2129, 1, 1));
    for (int year = 1977; year <= 2075; ++year) {
        const Date date = Ymd(year, 6, 15);
        EXPECT_EQ(ParseDate(FormatDate(date, "YY-MM-DD"), "YY-MM-DD", 2026), date);
    }
}

TEST(DateFormat, ParseIsLenientOnlyOnBlanksCaseAndLeadingZeros)
{
    EXPECT_EQ(ParseDate("  1/2/2026 ", "DD/MM/YYYY", 2026), Ymd(2026, 2, 1));
    EXPECT_EQ(ParseDate("29/02/2024", "dd/mm/yyyy", 2026), Ymd(2024, 2, 29));
    EXPECT_EQ(ParseDate("5t3T2026", "DTMtYYYY", 2026), Ymd(2026, 3, 5));  // a literal letter, either case
    EXPECT_EQ(ParseDate("5x3t2026", "DTMTYYYY", 2026), std::nullopt);
}

TEST(DateFormat, ParseRefusesImpossibleDatesAndGarbage)
{
    for (const char* text : {"31/02/2026", "29/02/2025", "00/01/2026", "31/04/2026", "12/13/2026", "12/00/2026",
                             "", "abc", "12/01/26", "12-01-2026", "12/01/2026x", "1/1/20266", "123/1/2026",
                             "//", "ab/cd/efgh", "12/01/-026", "12 /01/2026"})
        EXPECT_EQ(ParseDate(text, "DD/MM/YYYY", 2026), std::nullopt) << '"' << text << '"';
    EXPECT_EQ(ParseDate("2026-01-01", "", 2026), std::nullopt);
    EXPECT_EQ(ParseDate("01/2026", "MM/YYYY", 2026), std::nullopt);  // no day in the pattern
}

TEST(DateFormat, CompleteFormatsHaveDayMonthAndYear)
{
    EXPECT_TRUE(IsCompleteDateFormat("DD/MM/YYYY"));
    EXPECT_TRUE(IsCompleteDateFormat("y.m.d"));
    EXPECT_FALSE(IsCompleteDateFormat("MM/YYYY"));
    EXPECT_FALSE(IsCompleteDateFormat("DD/MM"));
    EXPECT_FALSE(IsCompleteDateFormat(""));
}

TEST(DateFormat, ShortDateFormatIsProcessWide)
{
    EXPECT_EQ(ShortDateFormat(), "DD/MM/YYYY");
    SetShortDateFormat("YYYY-MM-DD");
    EXPECT_EQ(FormatDate(Ymd(2026, 1, 2), ShortDateFormat()), "2026-01-02");
    SetShortDateFormat("DD/MM/YYYY");
}

}  // namespace
}  // namespace orvant
