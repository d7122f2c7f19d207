#include <gtest/gtest.h>

#include "books/account_type.h"

namespace orvant {
namespace {

constexpr int kEnglish = 1;
constexpr int kFrench = 2;

TEST(AccountType, FrenchNamesFromTheFirstLetterInEitherCase)
{
    EXPECT_EQ(DisplayedAccountType("Asset", kFrench), "Actif");
    EXPECT_EQ(DisplayedAccountType("Liability", kFrench), "Passif");
    EXPECT_EQ(DisplayedAccountType("capital", kFrench), "Capital");
    EXPECT_EQ(DisplayedAccountType("r", kFrench), "Revenu");
    EXPECT_EQ(DisplayedAccountType("expense", kFrench), "Dépense");
}

TEST(AccountType, EnglishNamesFromTheFirstLetterInEitherCase)
{
    EXPECT_EQ(DisplayedAccountType("actif", kEnglish), "Asset");
    EXPECT_EQ(DisplayedAccountType("Passif", kEnglish), "Liability");
    EXPECT_EQ(DisplayedAccountType("C", kEnglish), "Capital");
    EXPECT_EQ(DisplayedAccountType("Revenu", kEnglish), "Revenue");
    EXPECT_EQ(DisplayedAccountType("Dépense", kEnglish), "Expense");
}

TEST(AccountType, LettersWithoutMeaningShowTheStoredText)
{
    EXPECT_EQ(DisplayedAccountType("Liability", kEnglish), "Liability");
    EXPECT_EQ(DisplayedAccountType("Expense", kEnglish), "Expense");
    EXPECT_EQ(DisplayedAccountType("Dépense", kFrench), "Dépense");
    EXPECT_EQ(DisplayedAccountType("Passif", kFrench), "Passif");
    EXPECT_EQ(DisplayedAccountType("Xyz", kFrench), "Xyz");
    EXPECT_EQ(DisplayedAccountType(" Asset", kEnglish), " Asset");
    EXPECT_EQ(DisplayedAccountType("", kEnglish), "");
}

}  // namespace
}  // namespace orvant
