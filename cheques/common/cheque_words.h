#pragma once
// The amount of a cheque in words, in the session's language and the cheque's currency: the
// control record gives each currency's unit and cents words (Ctrl_dollars1..5, Ctrl_cents1..5).
// The list, the editor and the printing all write a cheque's words through here.

#include <array>
#include <optional>
#include <string>

#include "amount_in_words.h"
#include "cheque_banks.h"
#include "money/money.h"
#include "store/database.h"

namespace orvant::cheques {

// The session's language (1 English, 2 French).
WordsLanguage WordsLanguageOf(int sessionLanguage);

// The words of one language for the five currencies, read once from the control record.
class ChequeWording {
public:
    ChequeWording(store::Database& books, WordsLanguage language);

    WordsLanguage language() const { return language_; }
    // Currency 0 (home) to 4; another currency writes the home currency's words.
    const CurrencyWords& currencyWords(int currency) const;
    // Nothing when the amount is too large to be written (see AmountInWords).
    std::optional<std::string> words(Money amount, int currency) const;

private:
    WordsLanguage language_;
    std::array<CurrencyWords, kCurrencies> currencies_;
};

// The bank account's position (1 to 5) among the control record's bank accounts.
std::optional<int> BankPosition(store::Database& books, int bankAccount);

// A cheque's currency: its supplier's, or for a payee who is not a supplier, the currency of
// the bank account it is drawn on (position - 1). 0 when neither tells.
int ChequeCurrency(store::Database& books, const std::string& supplier, int bankAccount);

}  // namespace orvant::cheques
