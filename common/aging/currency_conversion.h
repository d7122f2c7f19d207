#pragma once
// Amounts of a party's currency converted into another: through the home currency, with the
// rates of the control record (the value of one unit in home currency; the home currency's is 1),
// in double precision, rounded once to the cent.

#include <array>
#include <optional>
#include <stdexcept>
#include <string>

#include "money/money.h"

namespace orvant::aging {

inline constexpr int kCurrencies = 5;  // 0 the home currency, 1 to 4 the foreign ones

// A conversion that needs a currency whose rate is 0 (or not a number): it cannot be made, and
// printing 0 instead would hide the party's debt.
class ZeroRate : public std::runtime_error {
public:
    ZeroRate(int currency, std::string name);
    int currency() const { return currency_; }
    const std::string& currencyName() const { return name_; }

private:
    int currency_;
    std::string name_;
};

struct CurrencyTable {
    std::array<std::string, kCurrencies> names;  // [0] is the home currency's own name
    std::array<double, kCurrencies> rates{1.0, 0, 0, 0, 0};
    std::array<std::string, kCurrencies> signs;  // [0] the registry's symbol
};

class CurrencyConversion {
public:
    // `target` is the currency converted into, or nothing to keep every amount as it is stored.
    CurrencyConversion(CurrencyTable table, std::optional<int> target);

    bool converts() const { return target_.has_value(); }
    std::optional<int> target() const { return target_; }
    const CurrencyTable& table() const { return table_; }

    // An amount of currency `from` in the target currency. An amount already in the target
    // currency, or any amount without a target, is kept to the ten-thousandth. ZeroRate names
    // the currency whose rate is missing; MoneyOverflow when the result does not fit.
    Money convert(Money amount, int from) const;

private:
    double rateOf(int currency) const;

    CurrencyTable table_;
    std::optional<int> target_;
};

}  // namespace orvant::aging
