#include <gtest/gtest.h>

#include "money/amount_text.h"
#include "money/currency_format.h"

namespace orvant {
namespace {

constexpr auto kEnglish = AmountLanguage::English;
constexpr auto kFrench = AmountLanguage::French;

Money Raw(std::int64_t tenThousandths) { return Money::fromRaw(tenThousandths); }

struct ReadRow {
    const char* text;
    AmountLanguage language;
    std::optional<Money> amount;
};

TEST(ReadAmount, EachLanguageReadsItsOwnNotationOnly)
{
    const ReadRow rows[] = {
        {"12,50", kFrench, Raw(125000)},
        {"1 250,00", kFrench, Raw(12500000)},
        {"1\xC2\xA0" "250,5", kFrench, Raw(12505000)},            // no-break space
        {"1\xE2\x80\xAF" "250\xE2\x80\xAF" "000", kFrench, Raw(12500000000)},  // narrow no-break space
        {"-0,0001", kFrench, Raw(-1)},
        {"12.50", kFrench, std::nullopt},
        {"1,2,3", kFrench, std::nullopt},
        {"1 25,00", kFrench, std::nullopt},
        {"1,250.00", kEnglish, Raw(12500000)},
        {"12.5", kEnglish, Raw(125000)},
        {"(1,234.56)", kEnglish, Raw(-12345600)},
        {"12,50", kEnglish, std::nullopt},
        {"1,2,3", kEnglish, std::nullopt},
        {"1,2345", kEnglish, std::nullopt},
        {"1 250.00", kEnglish, std::nullopt},
        {"12.34567", kEnglish, std::nullopt},
        {"1.2.3", kEnglish, std::nullopt},
        {"(-5)", kEnglish, std::nullopt},
        {".", kEnglish, std::nullopt},
        {"", kEnglish, std::nullopt},
    };
    for (const ReadRow& row : rows) EXPECT_EQ(ReadAmount(row.text, row.language), row.amount) << '"' << row.text << '"';
}

TEST(ReadAmount, TakesTheCurrencySignOnEitherSideOrNone)
{
    const ReadRow rows[] = {
        {"$1,234.50", kEnglish, Raw(12345000)}, {"-$1,234.50", kEnglish, Raw(-12345000)},
        {"(1,234.50$)", kEnglish, Raw(-12345000)}, {"1,234.50", kEnglish, Raw(12345000)},
        {"1 234,50 $", kFrench, Raw(12345000)}, {"$$5", kEnglish, std::nullopt},
        {"E5", kEnglish, std::nullopt},
    };
    for (const ReadRow& row : rows) EXPECT_EQ(ReadAmount(row.text, row.language, "$"), row.amount) << '"' << row.text << '"';
}

TEST(ReadAmount, RefusesAmountsBeyondTheBooks)
{
    EXPECT_EQ(ReadAmount("99,999,999,999.99", kEnglish), kBooksLimit);
    EXPECT_EQ(ReadAmount("-99 999 999 999,99", kFrench), -kBooksLimit);
    for (const char* text : {"99,999,999,999.9901", "100000000000", "920000000000000", "99999999999999999999999"})
        EXPECT_FALSE(ReadAmount(text, kEnglish).has_value()) << text;
}

TEST(AmountEditText, ReadsBackAsTheSameAmountInEachLanguage)
{
    for (const AmountLanguage language : {kEnglish, kFrench})
        for (const std::int64_t raw : {0LL, 100050LL, 125000LL, 12345678LL, -12345600LL, 1LL, 999999999999900LL}) {
            const std::string text = AmountEditText(Raw(raw), language);
            EXPECT_EQ(ReadAmount(text, language), Raw(raw)) << text;
        }
    EXPECT_EQ(AmountEditText(Raw(100050), kEnglish), "10.005");  // not rounded to 10.01
    EXPECT_EQ(AmountEditText(Raw(12500000), kFrench), "1 250,00");
    EXPECT_EQ(AmountEditText(Raw(-12345678), kEnglish), "-1,234.5678");
}

TEST(CurrencyFormat, WritesAndReadsInTheSessionLanguage)
{
    CurrencyFormat display;
    display.setSigns("$", "R", {"US", "E", "L", "Y"});
    display.setLanguage(kFrench);
    display.use(2);
    EXPECT_EQ(display.format(Money::fromCents(-123450)), "(1 234,50E)");
    EXPECT_EQ(display.read("1 234,50E"), Money::fromCents(123450));
    EXPECT_EQ(display.read("12,50"), Money::fromCents(1250));
    EXPECT_FALSE(display.read("1 234,50$").has_value());
}

}  // namespace
}  // namespace orvant
