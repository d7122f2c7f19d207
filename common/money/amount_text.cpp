#include "money/amount_text.h"

#include <algorithm>

namespace orvant {
namespace {

struct Notation {
    char group;
    char decimal;
};

Notation NotationOf(AmountLanguage language)
{
    return language == AmountLanguage::French ? Notation{' ', ','} : Notation{',', '.'};
}

// The no-break spaces a French text may group with read as plain spaces.
std::string WithPlainSpaces(std::string_view text)
{
    std::string out(text);
    for (std::string_view wide : {std::string_view("\xC2\xA0"), std::string_view("\xE2\x80\xAF")})
        for (std::size_t at = out.find(wide); at != std::string::npos; at = out.find(wide, at)) out.replace(at, wide.size(), " ");
    return out;
}

std::string_view Trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// Takes the currency sign off either end of the text.
bool StripSign(std::string_view& text, std::string_view sign)
{
    if (sign.empty()) return false;
    if (text.starts_with(sign)) text.remove_prefix(sign.size());
    else if (text.ends_with(sign)) text.remove_suffix(sign.size());
    else return false;
    text = Trimmed(text);
    return true;
}

bool AllDigits(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The whole units: plain digits, or groups of three after a first group of one to three.
bool WellGrouped(std::string_view units, char group)
{
    std::size_t at = units.find(group);
    if (at == std::string_view::npos) return AllDigits(units);
    if (at == 0 || at > 3 || !AllDigits(units.substr(0, at))) return false;
    for (units.remove_prefix(at + 1);; units.remove_prefix(4)) {
        if (units.size() < 3 || !AllDigits(units.substr(0, 3))) return false;
        if (units.size() == 3) return true;
        if (units[3] != group) return false;
    }
}

// The magnitude in ten-thousandths of an unsigned number, or nothing when it is not one.
std::optional<Int128> Magnitude(std::string_view number, Notation notation)
{
    const std::size_t mark = number.find(notation.decimal);
    const std::string_view units = number.substr(0, mark);
    const std::string_view decimals = mark == std::string_view::npos ? std::string_view() : number.substr(mark + 1);
    if (units.empty() && decimals.empty()) return std::nullopt;
    if (decimals.size() > 4 || !AllDigits(decimals) || !WellGrouped(units, notation.group)) return std::nullopt;
    Int128 value = 0;
    for (char c : units) {
        if (c == notation.group) continue;
        value = value * 10 + (c - '0');
        if (value > INT64_MAX) return std::nullopt;
    }
    std::int64_t fraction = 0;
    for (std::size_t i = 0; i < 4; ++i) fraction = fraction * 10 + (i < decimals.size() ? decimals[i] - '0' : 0);
    return value * Money::kScale + fraction;
}

}  // namespace

AmountLanguage AmountLanguageOf(int sessionLanguage)
{
    return sessionLanguage == 2 ? AmountLanguage::French : AmountLanguage::English;
}

std::string GroupedAmount(Money amount, AmountLanguage language, int decimals)
{
    const Notation notation = NotationOf(language);
    std::string text = amount.toString(decimals);
    const std::size_t digitsStart = text.front() == '-' ? 1 : 0;
    const std::size_t point = std::min(text.find('.'), text.size());
    if (point < text.size()) text[point] = notation.decimal;
    for (std::size_t at = point; at > digitsStart + 3; at -= 3) text.insert(at - 3, 1, notation.group);
    return text;
}

std::string AmountEditText(Money amount, AmountLanguage language)
{
    const std::int64_t raw = amount.raw();
    const int decimals = raw % Money::kCent == 0 ? 2 : raw % 10 == 0 ? 3 : 4;
    return GroupedAmount(amount, language, decimals);
}

std::optional<Money> ReadAmount(std::string_view text, AmountLanguage language, std::string_view currencySign)
{
    return ReadAmountWithin(text, language, currencySign, kBooksLimit);
}

std::optional<Money> ReadAmountWithin(std::string_view text, AmountLanguage language, std::string_view currencySign,
                                      Money limit)
{
    const std::string plain = WithPlainSpaces(text);
    std::string_view rest = Trimmed(plain);
    bool negative = false;
    if (rest.size() >= 2 && rest.front() == '(' && rest.back() == ')') {
        negative = true;
        rest = Trimmed(rest.substr(1, rest.size() - 2));
    }
    bool signTaken = StripSign(rest, currencySign);
    if (!rest.empty() && (rest.front() == '-' || rest.front() == '+')) {
        if (negative) return std::nullopt;  // "(-5)" says minus twice
        negative = rest.front() == '-';
        rest.remove_prefix(1);
        if (!signTaken) StripSign(rest, currencySign);  // "-$5"
    }
    const std::optional<Int128> magnitude = Magnitude(rest, NotationOf(language));
    if (!magnitude || *magnitude > limit.abs().raw()) return std::nullopt;
    const auto raw = static_cast<std::int64_t>(*magnitude);
    return Money::fromRaw(negative ? -raw : raw);
}

}  // namespace orvant
