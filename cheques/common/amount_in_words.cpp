#include "amount_in_words.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <string_view>

namespace orvant::cheques {

namespace {

// Appends a word after a space, or as the first word.
void append(std::string& text, std::string_view word)
{
    if (word.empty()) return;
    if (!text.empty()) text += ' ';
    text += word;
}

std::string lowered(std::string word)
{
    for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return word;
}

// A count of one takes the singular of a control-record word given in the plural.
std::string counted(std::string word, std::int64_t count)
{
    if (count == 1 && !word.empty() && (word.back() == 's' || word.back() == 'S')) word.pop_back();
    return word;
}

// --- English: "Nine Hundred Ninety-Nine Thousand"; no "and" inside the number.

constexpr std::array<std::string_view, 20> kEnglishOnes = {
    "", "One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine", "Ten", "Eleven", "Twelve",
    "Thirteen", "Fourteen", "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen"};
constexpr std::array<std::string_view, 10> kEnglishTens = {
    "", "", "Twenty", "Thirty", "Forty", "Fifty", "Sixty", "Seventy", "Eighty", "Ninety"};

std::string englishBelowHundred(int n)
{
    if (n < 20) return std::string(kEnglishOnes[n]);
    std::string text(kEnglishTens[n / 10]);
    if (n % 10 != 0) text += "-" + std::string(kEnglishOnes[n % 10]);
    return text;
}

std::string englishBelowThousand(int n)
{
    std::string text;
    if (n >= 100) append(text, std::string(kEnglishOnes[n / 100]) + " Hundred");
    append(text, englishBelowHundred(n % 100));
    return text;
}

std::string englishNumber(int millions, int thousands, int units)
{
    std::string text;
    if (millions > 0) append(text, englishBelowThousand(millions) + " Million");
    if (thousands > 0) append(text, englishBelowThousand(thousands) + " Thousand");
    append(text, englishBelowThousand(units));
    return text;
}

// --- French, in the traditional spelling: hyphens between tens and units except around "et",
// none around "cent", "mille" and "million". "Quatre-vingts" and "cents" keep their "s" only at
// the end of the number or before "millions" (`pluralEnd`), never before "mille".

constexpr std::array<std::string_view, 17> kFrenchOnes = {
    "", "Un", "Deux", "Trois", "Quatre", "Cinq", "Six", "Sept", "Huit", "Neuf", "Dix", "Onze", "Douze",
    "Treize", "Quatorze", "Quinze", "Seize"};
constexpr std::array<std::string_view, 7> kFrenchTens = {
    "", "Dix", "Vingt", "Trente", "Quarante", "Cinquante", "Soixante"};

std::string hyphenated(std::string_view tens, const std::string& units)
{
    return std::string(tens) + "-" + lowered(units);
}

std::string frenchBelowHundred(int n, bool pluralEnd)
{
    if (n <= 16) return std::string(kFrenchOnes[n]);
    if (n < 20) return hyphenated("Dix", std::string(kFrenchOnes[n - 10]));
    const int tens = n / 10;
    const int units = n % 10;
    if (tens == 7) return units == 1 ? "Soixante et Onze" : hyphenated("Soixante", frenchBelowHundred(n - 60, false));
    if (tens == 8 && units == 0) return pluralEnd ? "Quatre-vingts" : "Quatre-vingt";
    if (tens >= 8) return hyphenated("Quatre-vingt", frenchBelowHundred(n - 80, false));
    if (units == 0) return std::string(kFrenchTens[tens]);
    if (units == 1) return std::string(kFrenchTens[tens]) + " et Un";
    return hyphenated(kFrenchTens[tens], std::string(kFrenchOnes[units]));
}

std::string frenchBelowThousand(int n, bool pluralEnd)
{
    const int hundreds = n / 100;
    const int rest = n % 100;
    std::string text;
    if (hundreds == 1) text = "Cent";
    if (hundreds > 1) text = std::string(kFrenchOnes[hundreds]) + (rest == 0 && pluralEnd ? " Cents" : " Cent");
    if (rest > 0) append(text, frenchBelowHundred(rest, pluralEnd));
    return text;
}

std::string frenchNumber(int millions, int thousands, int units)
{
    std::string text;
    if (millions == 1) text = "Un Million";
    if (millions > 1) text = frenchBelowThousand(millions, true) + " Millions";
    if (thousands == 1) append(text, "Mille");
    if (thousands > 1) append(text, frenchBelowThousand(thousands, false) + " Mille");
    append(text, frenchBelowThousand(units, true));
    return text;
}

}  // namespace

std::optional<std::string> AmountInWords(Money amount, WordsLanguage language, const CurrencyWords& words)
{
    const Money rounded = RoundMoney(amount);
    if (rounded > kLargestChequeAmount) return std::nullopt;
    if (rounded <= Money()) return words.nonNegotiable;

    const std::int64_t cents = rounded.raw() / Money::kCent;
    const std::int64_t whole = cents / 100;
    const std::int64_t centsPart = cents % 100;
    const bool french = language == WordsLanguage::French;

    std::string text;
    if (whole > 0) {
        const int millions = static_cast<int>(whole / 1'000'000);
        const int thousands = static_cast<int>(whole / 1000 % 1000);
        const int units = static_cast<int>(whole % 1000);
        text = french ? frenchNumber(millions, thousands, units) : englishNumber(millions, thousands, units);
        append(text, counted(words.unit, whole));
        if (centsPart > 0) append(text, french ? "et" : "and");
    }
    if (centsPart > 0) append(text, std::to_string(centsPart) + " " + counted(words.cents, centsPart));
    return text;
}

}  // namespace orvant::cheques
