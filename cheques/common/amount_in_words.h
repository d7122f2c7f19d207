#pragma once
// The amount of a cheque written in words, as the cheque list, the cheque editor and the printed
// cheque all show it: "One Hundred Twenty-One Dollars and 50 Cents", "Cent Vingt et Un Dollars
// et 50 Cents". The cents are written in digits.

#include <optional>
#include <string>

#include "money/money.h"

namespace orvant::cheques {

enum class WordsLanguage { English, French };

// The words that do not come from the language: the currency's unit and cents words of the
// control record, given in the plural ("Dollars", "Cents"; the final "s" is dropped for a count
// of one), and the text a cheque of no value carries ("NON NEGOTIABLE").
struct CurrencyWords {
    std::string unit;
    std::string cents;
    std::string nonNegotiable;
};

// The largest amount a cheque can be written for: its words stop at the hundreds of millions.
inline constexpr Money kLargestChequeAmount = Money::fromCents(99'999'999'999);

// The amount is first rounded to cents. Zero, or a negative amount, reads as the non-negotiable
// text; an amount above kLargestChequeAmount cannot be written and gives nothing.
std::optional<std::string> AmountInWords(Money amount, WordsLanguage language, const CurrencyWords& words);

}  // namespace orvant::cheques
