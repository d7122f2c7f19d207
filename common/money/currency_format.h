#pragma once
// Amounts shown with a currency sign. The home currency (index 0) takes the registry symbol
// (CurrSmbl), the foreign currencies 1 to 4 the signs of the control record (Ctrl_curr1_sign ...
// Ctrl_curr4_sign). The registry alignment (CurrAlign) "L" or "l" puts the sign before the amount
// ("$1,234.50", "-$1,234.50"); any other value puts it after, with negatives in parentheses
// ("1,234.50$", "(1,234.50$)"). The digits are written in the session's language ("1 234,50$").

#include <array>
#include <string>
#include <string_view>

#include "money/amount_text.h"
#include "money/money.h"

namespace orvant {

using ForeignCurrencySigns = std::array<std::string, 4>;  // currencies 1 to 4

class CurrencyFormat {
public:
    static constexpr int kNoSign = -1;
    static constexpr int kLastCurrency = 4;

    // Remembers the registry symbol, alignment and foreign signs; the current index is kept.
    void setSigns(std::string_view registrySymbol, std::string_view align, const ForeignCurrencySigns& signs);

    // Makes sign `index` current: 0 the registry symbol, 1 to 4 a foreign sign, -1 no sign.
    // Any other index is refused (false) and the current sign stays as it was.
    bool use(int index);

    // The language amounts are written and read in.
    void setLanguage(AmountLanguage language) { language_ = language; }
    AmountLanguage language() const { return language_; }

    int currentIndex() const { return current_; }
    std::string currentSign() const;
    bool signBefore() const { return signBefore_; }
    const std::string& registrySymbol() const { return registrySymbol_; }
    const ForeignCurrencySigns& foreignSigns() const { return foreignSigns_; }

    // The amount rounded to cents, with thousands separators and the current sign.
    std::string format(Money amount) const;
    // An amount typed in the language, with or without the current sign.
    std::optional<Money> read(std::string_view text) const;

private:
    std::string registrySymbol_ = "$";
    bool signBefore_ = true;
    ForeignCurrencySigns foreignSigns_;
    int current_ = 0;
    AmountLanguage language_ = AmountLanguage::English;
};

// The process-wide display used by every screen of the running module.
CurrencyFormat& ProcessCurrencyFormat();
void SetCurrencySigns(std::string_view registrySymbol, std::string_view align, const ForeignCurrencySigns& signs);
bool UseCurrency(int index);
std::string FormatMoney(Money amount);
// The language of the running session's amounts (Session::language: 2 French, else English).
void SetAmountLanguage(int sessionLanguage);
// The text of an amount box in the session's language (AmountEditText).
std::string FormatAmount(Money amount);
// An amount typed in an amount box: the session's language, with or without the current sign.
std::optional<Money> ReadTypedAmount(std::string_view text);

}  // namespace orvant
