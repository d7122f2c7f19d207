#pragma once
// Amounts as a person types and reads them, in the session's language: English "1,234.56",
// French "1 234,56". One reader and one writer per language serve every amount box, so a text
// means one amount everywhere and an amount shown reads back as itself.

#include <optional>
#include <string>
#include <string_view>

#include "money/money.h"

namespace orvant {

enum class AmountLanguage { English, French };

// The session's language number: 2 French, any other English.
AmountLanguage AmountLanguageOf(int sessionLanguage);

// The amount with its thousands grouped, rounded to `decimals` (0 to 4): "-1,234.50",
// "-1 234,50". French groups with a plain space.
std::string GroupedAmount(Money amount, AmountLanguage language, int decimals = 2);

// The text of an amount box: grouped, at least two decimals and every further one the amount
// holds ("10.005" stays "10.005"), no sign, so passing through the box never changes it.
std::string AmountEditText(Money amount, AmountLanguage language);

// Reads an amount typed or imported in the language's notation: an optional "-" or "+", or
// parentheses for a negative; digits, with the language's separator between every group of
// three or nowhere (French takes a space, a no-break space or a narrow no-break space); at most
// four decimals after the language's decimal mark. `currencySign`, when not empty, may stand
// before or after the number. Nothing for any other text and for an amount beyond the books'
// limit: a text is never read as another amount than the one it shows.
std::optional<Money> ReadAmount(std::string_view text, AmountLanguage language, std::string_view currencySign = {});

// The same reader with a limit of its own (the stored values read back whatever they hold).
std::optional<Money> ReadAmountWithin(std::string_view text, AmountLanguage language, std::string_view currencySign,
                                      Money limit);

}  // namespace orvant
