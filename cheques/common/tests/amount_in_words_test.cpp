#include "amount_in_words.h"

#include <gtest/gtest.h>

namespace orvant::cheques {
namespace {

const CurrencyWords kDollars{"Dollars", "Cents", "NON NEGOCIABLE"};

struct Spelling {
    std::int64_t cents;
    const char* english;
    const char* french;
};

// Every amount a cheque writer gets wrong at least once, in both languages.
const Spelling kSpellings[] = {
    {1, "1 Cent", "1 Cent"},
    {99, "99 Cents", "99 Cents"},
    {100, "One Dollar", "Un Dollar"},
    {101, "One Dollar and 1 Cent", "Un Dollar et 1 Cent"},
    {1700, "Seventeen Dollars", "Dix-sept Dollars"},
    {2100, "Twenty-One Dollars", "Vingt et Un Dollars"},
    {2200, "Twenty-Two Dollars", "Vingt-deux Dollars"},
    {7000, "Seventy Dollars", "Soixante-dix Dollars"},
    {7100, "Seventy-One Dollars", "Soixante et Onze Dollars"},
    {7700, "Seventy-Seven Dollars", "Soixante-dix-sept Dollars"},
    {8000, "Eighty Dollars", "Quatre-vingts Dollars"},
    {8100, "Eighty-One Dollars", "Quatre-vingt-un Dollars"},
    {9100, "Ninety-One Dollars", "Quatre-vingt-onze Dollars"},
    {10000, "One Hundred Dollars", "Cent Dollars"},
    {10100, "One Hundred One Dollars", "Cent Un Dollars"},
    {12100, "One Hundred Twenty-One Dollars", "Cent Vingt et Un Dollars"},
    {20000, "Two Hundred Dollars", "Deux Cents Dollars"},
    {20100, "Two Hundred One Dollars", "Deux Cent Un Dollars"},
    {28000, "Two Hundred Eighty Dollars", "Deux Cent Quatre-vingts Dollars"},
    {123456, "One Thousand Two Hundred Thirty-Four Dollars and 56 Cents",
     "Mille Deux Cent Trente-quatre Dollars et 56 Cents"},
    {100000, "One Thousand Dollars", "Mille Dollars"},
    {2100000, "Twenty-One Thousand Dollars", "Vingt et Un Mille Dollars"},
    {7100000, "Seventy-One Thousand Dollars", "Soixante et Onze Mille Dollars"},
    {8000000, "Eighty Thousand Dollars", "Quatre-vingt Mille Dollars"},
    {9100000, "Ninety-One Thousand Dollars", "Quatre-vingt-onze Mille Dollars"},
    {10100000, "One Hundred One Thousand Dollars", "Cent Un Mille Dollars"},
    {20000000, "Two Hundred Thousand Dollars", "Deux Cent Mille Dollars"},
    {20100000, "Two Hundred One Thousand Dollars", "Deux Cent Un Mille Dollars"},
    {100000000, "One Million Dollars", "Un Million Dollars"},
    {200000000, "Two Million Dollars", "Deux Millions Dollars"},
    {2100000000, "Twenty-One Million Dollars", "Vingt et Un Millions Dollars"},
    {7000000000, "Seventy Million Dollars", "Soixante-dix Millions Dollars"},
    {8000000000, "Eighty Million Dollars", "Quatre-vingts Millions Dollars"},
    {9900000000, "Ninety-Nine Million Dollars", "Quatre-vingt-dix-neuf Millions Dollars"},
    {20000000000, "Two Hundred Million Dollars", "Deux Cents Millions Dollars"},
    {100100100, "One Million One Thousand One Dollars", "Un Million Mille Un Dollars"},
    {99999999999,
     "Nine Hundred Ninety-Nine Million Nine Hundred Ninety-Nine Thousand Nine Hundred Ninety-Nine Dollars and 99 Cents",
     "Neuf Cent Quatre-vingt-dix-neuf Millions Neuf Cent Quatre-vingt-dix-neuf Mille Neuf Cent Quatre-vingt-dix-neuf "
     "Dollars et 99 Cents"},
};

TEST(AmountInWords, SpellsEachAmountInBothLanguages)
{
    for (const Spelling& row : kSpellings) {
        const Money amount = Money::fromCents(row.cents);
        EXPECT_EQ(AmountInWords(amount, WordsLanguage::English, kDollars), row.english) << row.cents;
        EXPECT_EQ(AmountInWords(amount, WordsLanguage::French, kDollars), row.french) << row.cents;
    }
}

struct Edge {
    std::int64_t tenThousandths;
    std::optional<std::string> words;
};

// The amount is rounded to cents before it is judged: no value, or past what the words reach.
TEST(AmountInWords, ChequesOfNoValueOrTooLarge)
{
    const Edge edges[] = {
        {0, "NON NEGOCIABLE"},
        {49, "NON NEGOCIABLE"},
        {-10000, "NON NEGOCIABLE"},
        {50, "1 Cent"},
        {1'000'000'000'0000, std::nullopt},
        {999'999'999'9950, std::nullopt},
        {999'999'999'9949, "Nine Hundred Ninety-Nine Million Nine Hundred Ninety-Nine Thousand Nine Hundred "
                           "Ninety-Nine Dollars and 99 Cents"},
    };
    for (const Edge& edge : edges) {
        const Money amount = Money::fromRaw(edge.tenThousandths);
        EXPECT_EQ(AmountInWords(amount, WordsLanguage::English, kDollars), edge.words) << edge.tenThousandths;
        if (!edge.words) {
            EXPECT_EQ(AmountInWords(amount, WordsLanguage::French, kDollars), std::nullopt);
        }
    }
}

// The currency's own words: only a final "s" gives way to the singular.
TEST(AmountInWords, CurrencyWordsFromTheControlRecord)
{
    const CurrencyWords yen{"Yen", "Sen", "VOID"};
    const CurrencyWords euros{"EUROS", "CENTIMES", "VOID"};
    EXPECT_EQ(AmountInWords(Money::fromCents(101), WordsLanguage::English, yen), "One Yen and 1 Sen");
    EXPECT_EQ(AmountInWords(Money::fromCents(101), WordsLanguage::French, euros), "Un EURO et 1 CENTIME");
    EXPECT_EQ(AmountInWords(Money::fromCents(202), WordsLanguage::French, euros), "Deux EUROS et 2 CENTIMES");
}

}  // namespace
}  // namespace orvant::cheques
