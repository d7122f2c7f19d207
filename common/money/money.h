#pragma once
// Money: a currency amount held exactly, in ten-thousandths of the unit, in a 64-bit integer.
// Amounts are never carried in binary floating point, so sums of cents never drift and an
// invoice whose entries cancel out really sums to zero.

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvant {

// A 128-bit integer for exact intermediate products; __extension__ keeps -Wpedantic quiet.
__extension__ typedef __int128 Int128;

class Money {
public:
    static constexpr std::int64_t kScale = 10000;  // ten-thousandths per unit
    static constexpr std::int64_t kCent = 100;     // ten-thousandths per cent

    constexpr Money() = default;
    static constexpr Money fromRaw(std::int64_t tenThousandths) { return Money(tenThousandths); }
    static constexpr Money fromUnits(std::int64_t units) { return Money(units * kScale); }
    static constexpr Money fromCents(std::int64_t cents) { return Money(cents * kCent); }

    // Reads a decimal amount as typed or imported: optional sign, digits with optional
    // thousands separators (","), at most four decimals after ".". Parentheses mean negative.
    // Returns nothing for anything else; the value is never routed through a double.
    static std::optional<Money> parse(std::string_view text);

    // Nearest amount to a double (for rates read from a float field); rounded half away from zero
    // to the ten-thousandth.
    static Money fromDouble(double value);

    constexpr std::int64_t raw() const { return raw_; }
    double toDouble() const { return static_cast<double>(raw_) / kScale; }
    constexpr bool isZero() const { return raw_ == 0; }
    constexpr bool isNegative() const { return raw_ < 0; }
    constexpr Money abs() const { return Money(raw_ < 0 ? -raw_ : raw_); }

    // Plain decimal text with the given number of decimals (0 to 4), rounded half away from
    // zero: "-1234.50". No symbol, no separators.
    std::string toString(int decimals = 2) const;
    // The same text with "," between groups of three digits: "-1,234,567.50".
    std::string toGroupedString(int decimals = 2) const;

    // This amount times percent / 100, rounded once to cents, half away from zero.
    Money percent(double percent) const;

    constexpr Money operator-() const { return Money(-raw_); }
    constexpr Money operator+(Money o) const { return Money(raw_ + o.raw_); }
    constexpr Money operator-(Money o) const { return Money(raw_ - o.raw_); }
    constexpr Money& operator+=(Money o) { raw_ += o.raw_; return *this; }
    constexpr Money& operator-=(Money o) { raw_ -= o.raw_; return *this; }
    constexpr auto operator<=>(const Money&) const = default;

private:
    constexpr explicit Money(std::int64_t raw) : raw_(raw) {}
    std::int64_t raw_ = 0;
};

// Rounds to cents, halves away from zero, on the exact decimal value (1.005 gives 1.01).
Money RoundMoney(Money amount);

// Divides an integer by a positive divisor, rounding halves away from zero.
std::int64_t divideRounded(Int128 value, Int128 divisor);

}  // namespace orvant
