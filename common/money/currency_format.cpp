#include "money/currency_format.h"

namespace orvant {

void CurrencyFormat::setSigns(std::string_view registrySymbol, std::string_view align,
                              const ForeignCurrencySigns& signs)
{
    registrySymbol_ = registrySymbol;
    signBefore_ = align == "L" || align == "l";
    foreignSigns_ = signs;
}

bool CurrencyFormat::use(int index)
{
    if (index < kNoSign || index > kLastCurrency) return false;
    current_ = index;
    return true;
}

std::string CurrencyFormat::currentSign() const
{
    if (current_ == kNoSign) return {};
    if (current_ == 0) return registrySymbol_;
    return foreignSigns_[static_cast<std::size_t>(current_ - 1)];
}

std::string CurrencyFormat::format(Money amount) const
{
    // The sign follows the rounded amount, so -0.004 shows as a plain zero.
    const Money cents = RoundMoney(amount);
    const std::string digits = GroupedAmount(cents.abs(), language_, 2);
    const std::string sign = currentSign();
    if (signBefore_) return (cents.isNegative() ? "-" : "") + sign + digits;
    if (cents.isNegative()) return "(" + digits + sign + ")";
    return digits + sign;
}

std::optional<Money> CurrencyFormat::read(std::string_view text) const
{
    return ReadAmount(text, language_, currentSign());
}

CurrencyFormat& ProcessCurrencyFormat()
{
    static CurrencyFormat instance;
    return instance;
}

void SetCurrencySigns(std::string_view registrySymbol, std::string_view align, const ForeignCurrencySigns& signs)
{
    ProcessCurrencyFormat().setSigns(registrySymbol, align, signs);
}

bool UseCurrency(int index) { return ProcessCurrencyFormat().use(index); }

std::string FormatMoney(Money amount) { return ProcessCurrencyFormat().format(amount); }

void SetAmountLanguage(int sessionLanguage) { ProcessCurrencyFormat().setLanguage(AmountLanguageOf(sessionLanguage)); }

std::string FormatAmount(Money amount) { return AmountEditText(amount, ProcessCurrencyFormat().language()); }

std::optional<Money> ReadTypedAmount(std::string_view text) { return ProcessCurrencyFormat().read(text); }

}  // namespace orvant
