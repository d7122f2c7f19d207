#pragma once
// Money: a currency amount held exactly, in ten-thousandths of the unit, in a 64-bit integer.
// Amounts are never carried in binary floating point, so sums of cents never drift and an
// invoice whose entries cancel out really sums to zero.

#include <compare>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace orvant {

// A 128-bit integer for exact intermediate products; __extension__ keeps -Wpedantic quiet.
__extension__ typedef __int128 Int128;

// A sum, difference, product or percentage of amounts that the 64-bit type cannot hold: the
// result would have wrapped round into another amount, so the arithmetic stops instead.
class MoneyOverflow : public std::overflow_error {
public:
    MoneyOverflow() : std::overflow_error("amount out of range") {}
};

class Money {
public:
    static constexpr std::int64_t kScale = 10000;  // ten-thousandths per unit
    static constexpr std::int64_t kCent = 100;     // ten-thousandths per cent

    constexpr Money() = default;
    static constexpr Money fromRaw(std::int64_t tenThousandths) { return Money(tenThousandths); }
    static constexpr Money fromUnits(std::int64_t units) { return Money(scaled(units, kScale)); }
    static constexpr Money fromCents(std::int64_t cents) { return Money(scaled(cents, kCent)); }

    // Reads an amount in the books' plain notation (English, no currency sign): optional sign,
    // digits with "," between groups of three, at most four decimals after ".". Parentheses mean
    // negative. Any amount the type holds is read, so stored values always read back; what a
    // person types or an import brings is read by ReadAmount (amount_text.h), within the books'
    // limit. Returns nothing for anything else; the value is never routed through a double.
    static std::optional<Money> parse(std::string_view text);

    // Nearest amount to a double (for rates read from a float field); rounded half away from zero
    // to the ten-thousandth. MoneyOverflow when the type cannot hold it.
    static Money fromDouble(double value);

    constexpr std::int64_t raw() const { return raw_; }
    double toDouble() const { return static_cast<double>(raw_) / kScale; }
    constexpr bool isZero() const { return raw_ == 0; }
    constexpr bool isNegative() const { return raw_ < 0; }
    constexpr Money abs() const { return raw_ < 0 ? -*this : *this; }

    // Plain decimal text with the given number of decimals (0 to 4), rounded half away from
    // zero: "-1234.50". No symbol, no separators.
    std::string toString(int decimals = 2) const;
    // The same text with "," between groups of three digits: "-1,234,567.50".
    std::string toGroupedString(int decimals = 2) const;

    // This amount times percent / 100, rounded once to cents, half away from zero.
    // MoneyOverflow when the result does not fit.
    Money percent(double percent) const;

    // Arithmetic that would wrap round throws MoneyOverflow.
    constexpr Money operator-() const { return Money(0) - *this; }
    constexpr Money operator+(Money o) const
    {
        std::int64_t sum = 0;
        if (__builtin_add_overflow(raw_, o.raw_, &sum)) throw MoneyOverflow();
        return Money(sum);
    }
    constexpr Money operator-(Money o) const
    {
        std::int64_t difference = 0;
        if (__builtin_sub_overflow(raw_, o.raw_, &difference)) throw MoneyOverflow();
        return Money(difference);
    }
    constexpr Money& operator+=(Money o) { return *this = *this + o; }
    constexpr Money& operator-=(Money o) { return *this = *this - o; }
    constexpr auto operator<=>(const Money&) const = default;

private:
    constexpr explicit Money(std::int64_t raw) : raw_(raw) {}
    static constexpr std::int64_t scaled(std::int64_t count, std::int64_t scale)
    {
        std::int64_t raw = 0;
        if (__builtin_mul_overflow(count, scale, &raw)) throw MoneyOverflow();
        return raw;
    }
    std::int64_t raw_ = 0;
};

// The largest amount the books hold, of either sign: 99,999,999,999.99. Typed and imported
// amounts beyond it are refused, and no posting may carry a total or a balance past it.
inline constexpr Money kBooksLimit = Money::fromCents(9'999'999'999'999);

// Whether the books can hold the amount.
constexpr bool WithinBooks(Money amount) { return -kBooksLimit <= amount && amount <= kBooksLimit; }

// The sum when the books can hold it and both amounts; nothing when either amount or the sum
// passes the books' limit, so a check can report the record that overflows instead of failing.
std::optional<Money> CheckedAdd(Money a, Money b);

// Rounds to cents, halves away from zero, on the exact decimal value (1.005 gives 1.01).
Money RoundMoney(Money amount);

// Divides an integer by a positive divisor, rounding halves away from zero.
std::int64_t divideRounded(Int128 value, Int128 divisor);

}  // namespace orvant
