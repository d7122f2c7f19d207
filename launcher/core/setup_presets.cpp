#include "core/setup_presets.h"

#include <algorithm>

#include "money/amount_text.h"

namespace orvant::launcher {

namespace {

bool harmonized(int province) { return province >= kNewfoundland && province <= kNovaScotia; }

}  // namespace

SetupSteps::SetupSteps(int language, bool tolvane) : language_(language), tolvane_(tolvane) {}

bool SetupSteps::next()
{
    badRate_ = -1;
    switch (page_) {
    case 1:
        if (answers_.inCanada) {
            if (answers_.province < 0) answers_.province = 0;
            page_ = 2;
        } else {
            presetTaxes();
            page_ = 3;
        }
        break;
    case 2:
        presetTaxes();
        page_ = 3;
        break;
    case 3:
        for (int box = 0; box < kRateCount; ++box) {
            if (!rate(box)) {
                badRate_ = box;
                return false;
            }
        }
        presetCurrency();
        page_ = 4;
        break;
    case 4: page_ = 5; break;
    default: break;
    }
    return true;
}

void SetupSteps::back()
{
    if (page_ == 3) page_ = answers_.inCanada ? 2 : 1;
    else if (page_ > 1) --page_;
}

// The presets of the place, made again only when the place has changed since they were made:
// coming back to page 3 without changing anything keeps what was typed there.
void SetupSteps::presetTaxes()
{
    const SetupPlace place = answers_.place();
    if (taxesPresetFor_ == place) return;
    taxesPresetFor_ = place;
    auto& rates = answers_.rates;
    rates.fill(QString());
    answers_.dateFormat = kMonthDayYear;
    if (!place.inCanada) return;
    rates[0] = decimal("7");
    if (harmonized(place.province)) {
        rates[0] = rates[1] = decimal("0");
        rates[2] = decimal("15");
    } else if (place.province == kQuebec) {
        rates[1] = decimal("7.5");
        answers_.dateFormat = kDayMonthYear;
    }
}

void SetupSteps::presetCurrency()
{
    if (answers_.currencySymbol.isEmpty()) answers_.currencySymbol = QStringLiteral("$");
    if (answers_.currencyDescription.isEmpty()) answers_.currencyDescription = QStringLiteral("Dollars");
    if (answers_.fractionsDescription.isEmpty()) answers_.fractionsDescription = QStringLiteral("Cents");
    const SetupPlace place = answers_.place();
    if (answers_.alignRight && alignmentPresetFor_ == place) return;
    alignmentPresetFor_ = place;
    answers_.alignRight = place.inCanada && place.province == kQuebec && language_ == 2;
}

QString SetupSteps::decimal(const char* rate) const
{
    QString text = QString::fromLatin1(rate);
    if (AmountLanguageOf(language_) == AmountLanguage::French) text.replace(u'.', u',');
    return text;
}

TaxWording SetupSteps::taxWording() const
{
    if (!answers_.inCanada) return TaxWording::SalesTaxAndVat;
    if (harmonized(answers_.province)) return TaxWording::GstPstHst;
    return answers_.province == kQuebec ? TaxWording::GstQst : TaxWording::GstPst;
}

bool SetupSteps::thirdRateShown() const { return answers_.inCanada && harmonized(answers_.province); }

std::optional<double> SetupSteps::rate(int box) const
{
    const QString text = answers_.rates.at(box).trimmed();
    if (text.isEmpty()) return 0.0;
    const std::optional<Money> read = ReadAmount(text.toStdString(), AmountLanguageOf(language_));
    if (!read) return std::nullopt;
    const double percent = read->toDouble();
    if (percent < 0.0 || percent > kHighestRate) return std::nullopt;
    return percent;
}

std::optional<int> AddedCompany(const QList<int>& before, const QList<int>& after)
{
    std::optional<int> added;
    for (int company : after) {
        if (before.contains(company)) continue;
        if (added) return std::nullopt;
        added = company;
    }
    return added;
}

}  // namespace orvant::launcher
