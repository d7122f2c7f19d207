#include "money/money.h"

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
    auto trim = [](std::string_view s) {
        while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
        while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
        return s;
    };
    text = trim(text);
    bool negative = false;
    if (text.size() >= 2 && text.front() == '(' && text.back() == ')') {
        negative = true;
        text = trim(text.substr(1, text.size() - 2));
    }
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        if (negative && text.front() == '-') return std::nullopt;
        negative = negative || text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;

    Int128 units = 0;
    std::int64_t fraction = 0;
    int fractionDigits = 0;
    bool seenPoint = false, seenDigit = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            seenDigit = true;
            if (seenPoint) {
                if (++fractionDigits > 4) return std::nullopt;
                fraction = fraction * 10 + (c - '0');
            } else {
                units = units * 10 + (c - '0');
                if (units > INT64_MAX / kScale) return std::nullopt;
            }
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else if (c == ',' && !seenPoint && seenDigit) {
            continue;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit) return std::nullopt;
    for (int i = fractionDigits; i < 4; ++i) fraction *= 10;
    const Int128 raw = units * kScale + fraction;
    if (raw > INT64_MAX) return std::nullopt;  // the largest units still overflow with decimals
    return Money(static_cast<std::int64_t>(negative ? -raw : raw));
}

Money Money::fromDouble(double value)
{
    return Money(static_cast<std::int64_t>(std::llround(value * kScale)));
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
    std::string plain = toString(decimals);
    const std::size_t digitsStart = plain.front() == '-' ? 1 : 0;
    const std::size_t digitsEnd = std::min(plain.find('.'), plain.size());
    for (std::size_t pos = digitsEnd; pos > digitsStart + 3; pos -= 3) plain.insert(pos - 3, 1, ',');
    return plain;
}

Money Money::percent(double percent) const
{
    // The rate is taken as a decimal with six places (9.975 is exactly 9975000 millionths), so
    // the product is exact and rounded once, to cents.
    const Int128 rateMillionths = std::llround(percent * 1'000'000.0);
    const Int128 product = static_cast<Int128>(raw_) * rateMillionths;  // raw * 10^6 * 100
    const std::int64_t cents = divideRounded(product, static_cast<Int128>(100) * 1'000'000 * kCent);
    return Money::fromCents(cents);
}

Money RoundMoney(Money amount)
{
    return Money::fromCents(divideRounded(amount.raw(), Money::kCent));
}

}  // namespace orvant
