#include "company/books_sums.h"

namespace orvant::company {

namespace {

constexpr const char* kPart = "4294967296";  // 2^32
constexpr Int128 kPartValue = Int128(1) << 32;

__extension__ typedef unsigned __int128 UInt128;

}  // namespace

// Division and remainder both keep the sign of the amount on either engine, so
// quotient * 2^32 + remainder gives each amount back.
std::string ExactSum(const std::string& amount, const std::string& name)
{
    const std::string value = "COALESCE(" + amount + ", 0)";
    const std::string high = name.empty() ? "" : " AS " + name + "_h", low = name.empty() ? "" : " AS " + name + "_l";
    return std::string("COALESCE(CAST(SUM(") + value + " / " + kPart + ") AS BIGINT), 0)" + high + ", COALESCE(CAST(SUM(" + value +
           " % " + kPart + ") AS BIGINT), 0)" + low;
}

std::string SumColumns(const std::string& from, const std::string& name)
{
    return from + "." + name + "_h, " + from + "." + name + "_l";
}

Int128 ReadExactSum(const store::Query& query, int column)
{
    const store::Value high = query.value(column), low = query.value(column + 1);
    return (high.isNull() ? 0 : Int128(high.asInt())) * kPartValue + (low.isNull() ? 0 : Int128(low.asInt()));
}

std::string AmountText(Int128 raw, int decimals)
{
    const bool negative = raw < 0;
    UInt128 magnitude = negative ? -static_cast<UInt128>(raw) : static_cast<UInt128>(raw);
    if (decimals == 2) magnitude = (magnitude + Money::kCent / 2) / Money::kCent;  // halves away from zero
    const unsigned scale = decimals == 2 ? 100 : Money::kScale;
    std::string fraction = std::to_string(static_cast<unsigned>(magnitude % scale));
    fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
    magnitude /= scale;
    std::string whole;
    do {
        whole.insert(whole.begin(), static_cast<char>('0' + static_cast<int>(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude != 0);
    const bool zero = whole == "0" && fraction.find_first_not_of('0') == std::string::npos;
    return (negative && !zero ? "-" : "") + whole + "." + fraction;
}

AmountPair DisagreeingAmounts(Int128 first, Int128 second)
{
    const int decimals = first % Money::kCent != 0 || second % Money::kCent != 0 ? 4 : 2;
    return {AmountText(first, decimals), AmountText(second, decimals)};
}

}  // namespace orvant::company
