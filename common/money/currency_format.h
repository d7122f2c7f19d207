#pragma once
// Amounts shown with a currency sign. The home currency (index 0) takes the registry symbol
// (CurrSmbl), the foreign currencies 1 to 4 the signs of the control record (Ctrl_curr1_sign ...
// Ctrl_curr4_sign). The registry alignment (CurrAlign) "L" or "l" puts the sign before the amount
// ("$1,234.50", "-$1,234.50"); any other value puts it after, with negatives in parentheses
// ("1,234.50$", "(1,234.50$)").

#include <array>
#include <string>
#include <string_view>

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

    int currentIndex() const { return current_; }
    std::string currentSign() const;
    bool signBefore() const { return signBefore_; }
    const std::string& registrySymbol() const { return registrySymbol_; }
    const ForeignCurrencySigns& foreignSigns() const { return foreignSigns_; }

    // The amount rounded to cents, with thousands separators and the current sign.
    std::string format(Money amount) const;

private:
    std::string registrySymbol_ = "$";
    bool signBefore_ = true;
    ForeignCurrencySigns foreignSigns_;
    int current_ = 0;
};

// The process-wide display used by every screen of the running module.
CurrencyFormat& ProcessCurrencyFormat();
void SetCurrencySigns(std::string_view registrySymbol, std::string_view align, const ForeignCurrencySigns& signs);
bool UseCurrency(int index);
std::string FormatMoney(Money amount);

}  // namespace orvant
