#include "cheque_words.h"

#include "books/control_accounts.h"
#include "cheque_banks.h"
#include "store/table.h"

namespace orvant::cheques {

namespace {

// What a cheque of no value reads, so that it cannot be cashed.
const char* nonNegotiable(WordsLanguage language)
{
    return language == WordsLanguage::French ? "NON NÉGOCIABLE" : "NON NEGOTIABLE";
}

// Control records made before the words were filled still write a readable cheque.
std::string orDefault(std::string word, const char* fallback) { return word.empty() ? fallback : word; }

}  // namespace

WordsLanguage WordsLanguageOf(int sessionLanguage)
{
    return sessionLanguage == 2 ? WordsLanguage::French : WordsLanguage::English;
}

ChequeWording::ChequeWording(store::Database& books, WordsLanguage language) : language_(language)
{
    store::Table control(books, "ctrl");
    control.open();
    control.first();
    for (int currency = 0; currency < kCurrencies; ++currency) {
        const std::string n = std::to_string(currency + 1);
        CurrencyWords& words = currencies_[currency];
        words.unit = orDefault(control.hasRecord() ? control.field("Ctrl_dollars" + n).asString() : "", "Dollars");
        words.cents = orDefault(control.hasRecord() ? control.field("Ctrl_cents" + n).asString() : "", "Cents");
        words.nonNegotiable = nonNegotiable(language);
    }
}

const CurrencyWords& ChequeWording::currencyWords(int currency) const
{
    return currencies_[currency >= 0 && currency < kCurrencies ? currency : 0];
}

std::optional<std::string> ChequeWording::words(Money amount, int currency) const
{
    return AmountInWords(amount, language_, currencyWords(currency));
}

std::optional<int> BankPosition(store::Database& books, int bankAccount)
{
    if (bankAccount == 0) return std::nullopt;
    store::Table control(books, "ctrl");
    control.open();
    control.first();
    if (!control.hasRecord()) return std::nullopt;
    for (int position = 1; position <= kCurrencies; ++position)
        if (control.field(*BankAccountField(position)).asInt() == bankAccount) return position;
    return std::nullopt;
}

int ChequeCurrency(store::Database& books, const std::string& supplier, int bankAccount)
{
    if (!supplier.empty()) {
        store::Table suppliers(books, "sup");
        suppliers.open();
        return suppliers.findKey({supplier}) ? static_cast<int>(suppliers.field("Sup_currency").asInt()) : 0;
    }
    const std::optional<int> position = BankPosition(books, bankAccount);
    return position ? *position - 1 : 0;
}

}  // namespace orvant::cheques
