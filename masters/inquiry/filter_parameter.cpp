#include "inquiry/filter_parameter.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <string>

#include "dates/date_format.h"
#include "money/amount_text.h"

namespace orvant::inquiry {

namespace {

std::string lowered(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// A whole number, typed with the session's grouping ("1,000" or "1 000").
std::optional<store::Value> readInteger(std::string_view text, AmountLanguage language)
{
    const auto amount = ReadAmount(text, language);
    if (!amount || amount->raw() % Money::kScale != 0) return std::nullopt;
    const std::int64_t whole = amount->raw() / Money::kScale;
    if (whole < std::numeric_limits<std::int32_t>::min() || whole > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return store::Value(whole);
}

}  // namespace

ParameterNotation ParameterNotation::ofSession(int sessionLanguage)
{
    return {AmountLanguageOf(sessionLanguage), ShortDateFormat()};
}

std::optional<bool> ReadYesNo(std::string_view text)
{
    const std::string word = lowered(text);
    for (const char* yes : {"yes", "true", "oui", "1"})
        if (word == yes) return true;
    for (const char* no : {"no", "false", "non", "0"})
        if (word == no) return false;
    return std::nullopt;
}

std::optional<store::Value> ReadFilterParameter(std::string_view text, FilterFieldType type,
                                                const ParameterNotation& notation)
{
    switch (type) {
    case FilterFieldType::Text: return store::Value(text);
    case FilterFieldType::Integer: return readInteger(text, notation.language);
    case FilterFieldType::Decimal:
        if (const auto amount = ReadAmount(text, notation.language)) return store::Value(amount->toDouble());
        return std::nullopt;
    case FilterFieldType::Money:
        if (const auto amount = ReadAmount(text, notation.language)) return store::Value(*amount);
        return std::nullopt;
    case FilterFieldType::Boolean:
        if (const auto flag = ReadYesNo(text)) return store::Value(*flag);
        return std::nullopt;
    case FilterFieldType::Date:
    case FilterFieldType::Stamp:
        if (const auto date = ParseDate(text, notation.dateFormat)) return store::Value(*date);
        return std::nullopt;
    }
    return std::nullopt;
}

store::Value EmptyValueOf(FilterFieldType type)
{
    switch (type) {
    case FilterFieldType::Text: return store::Value(std::string());
    case FilterFieldType::Integer: return store::Value(std::int64_t{0});
    case FilterFieldType::Decimal: return store::Value(0.0);
    case FilterFieldType::Money: return store::Value(Money());
    case FilterFieldType::Boolean: return store::Value(false);
    case FilterFieldType::Date:
    case FilterFieldType::Stamp: break;
    }
    return store::Value();
}

}  // namespace orvant::inquiry
