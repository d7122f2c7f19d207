#include "aging/currency_conversion.h"

#include <cmath>

namespace orvant::aging {

ZeroRate::ZeroRate(int currency, std::string name)
    : std::runtime_error("The currency " + name + " has no exchange rate."), currency_(currency), name_(std::move(name))
{
}

CurrencyConversion::CurrencyConversion(CurrencyTable table, std::optional<int> target)
    : table_(std::move(table)), target_(target)
{
    table_.rates[0] = 1.0;
}

double CurrencyConversion::rateOf(int currency) const
{
    const bool known = currency >= 0 && currency < kCurrencies;
    const double rate = known ? table_.rates[static_cast<std::size_t>(currency)] : 0.0;
    if (!std::isfinite(rate) || rate <= 0)
        throw ZeroRate(currency, known ? table_.names[static_cast<std::size_t>(currency)] : std::to_string(currency));
    return rate;
}

Money CurrencyConversion::convert(Money amount, int from) const
{
    if (!target_ || from == *target_) return amount;
    const long double cents = static_cast<long double>(amount.raw()) * rateOf(from) / rateOf(*target_) / Money::kCent;
    const long double rounded = std::round(cents);  // halves away from zero
    if (std::fabs(rounded) > static_cast<long double>(INT64_MAX / Money::kCent)) throw MoneyOverflow();
    return Money::fromCents(static_cast<std::int64_t>(rounded));
}

}  // namespace orvant::aging
