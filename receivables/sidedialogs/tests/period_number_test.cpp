// The period dialog's check: a whole number from 0 to 13, refused in the session's language.

#include <gtest/gtest.h>

#include "sidedialogs/period_number.h"

namespace orvant::sidedialogs {
namespace {

TEST(PeriodNumber, whole_numbers_from_0_to_13_are_periods)
{
    EXPECT_EQ(ReadPeriodNumber(QStringLiteral("0")), 0);
    EXPECT_EQ(ReadPeriodNumber(QStringLiteral("7")), 7);
    EXPECT_EQ(ReadPeriodNumber(QStringLiteral("13")), 13);
    EXPECT_EQ(ReadPeriodNumber(QStringLiteral(" 05 ")), 5);
}

TEST(PeriodNumber, anything_else_is_refused)
{
    for (const char* text : {"14", "99", "-1", "+1", "x", "", "  ", "1.5", "1 2", "٣"})
        EXPECT_FALSE(ReadPeriodNumber(QString::fromUtf8(text))) << text;
}

TEST(PeriodNumber, the_refusal_is_english_for_language_1_and_french_otherwise)
{
    EXPECT_EQ(PeriodRefusalText(1), QStringLiteral("Not a valid period number."));
    EXPECT_EQ(PeriodRefusalText(2), QStringLiteral("Entrez un numéro valide."));
    EXPECT_EQ(PeriodRefusalText(0), QStringLiteral("Entrez un numéro valide."));
}

}  // namespace
}  // namespace orvant::sidedialogs
