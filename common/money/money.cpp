#include "money/money.h"

#include "money/amount_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace orvant {

std::int64_t divideRounded(Int128 value, Int128 divisor)
{
    const bool negative = value < 0;
    const Int128 magnitude = negative ? -value : value;
    const Int128 quotient = (magnitude + divisor / 2) / divisor;
    return static_cast<std::int64_t>(negative ? -quotient : quotient);
}

std::optional<Money> Money::parse(std::string_view text)
{
    return ReadAmountWithin(text, AmountLanguage::English, {}, Money::fromRaw(INT64_MAX));
}

Money Money::fromDouble(double value)
{
    const double scaledValue = std::round(value * kScale);
    // 2^63 is exact as a double; anything from it up (or not a number) does not fit.
    if (!(std::abs(scaledValue) < 9223372036854775808.0)) throw MoneyOverflow();
    return Money(static_cast<std::int64_t>(scaledValue));
}

std::string Money::toString(int decimals) const
{
    if (decimals < 0) decimals = 0;
    if (decimals > 4) decimals = 4;
    std::int64_t step = 1;
    for (int i = decimals; i < 4; ++i) step *= 10;
    const std::int64_t rounded = divideRounded(raw_, step);  // in units of 10^-decimals
    const bool negative = rounded < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(rounded) : rounded;
    std::uint64_t scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    std::string out = negative ? "-" : "";
    out += std::to_string(magnitude / scale);
    if (decimals > 0) {
        std::string frac = std::to_string(magnitude % scale);
        out += '.';
        out.append(static_cast<std::size_t>(decimals) - frac.size(), '0');
        out += frac;
    }
    return out;
}

std::string Money::toGroupedString(int decimals) const
{
    return GroupedAmount(*this, AmountLanguage::English, decimals);
}

Money Money::percent(double percent) const
{
    // The rate is taken as a decimal with six places (9.975 is exactly 9975000 millionths), so
    // the product is exact and rounded once, to cents.
    const double millionths = std::round(percent * 1'000'000.0);
    if (!(std::abs(millionths) < 9.0e18)) throw MoneyOverflow();
    const Int128 product = static_cast<Int128>(raw_) * static_cast<std::int64_t>(millionths);  // raw * 10^6 * 100
    const Int128 divisor = static_cast<Int128>(100) * 1'000'000 * kCent;
    const Int128 magnitude = product < 0 ? -product : product;
    if ((magnitude + divisor / 2) / divisor > INT64_MAX / kCent) throw MoneyOverflow();
    return Money::fromCents(divideRounded(product, divisor));
}

std::optional<Money> CheckedAdd(Money a, Money b)
{
    if (!WithinBooks(a) || !WithinBooks(b)) return std::nullopt;
    const Money sum = a + b;  // cannot wrap: both are far inside the type's range
    if (!WithinBooks(sum)) return std::nullopt;
    return sum;
}

Money RoundMoney(Money amount)
{
    return Money::fromCents(divideRounded(amount.raw(), Money::kCent));
}

}  // namespace orvant
