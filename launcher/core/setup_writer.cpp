#include "core/setup_writer.h"

#include "store/error.h"
#include "store/lock_retry.h"
#include "store/table.h"

namespace orvant::launcher {

namespace {

// Rate `code` of a tax-rate table, added or replaced; an account already given to it is kept.
void putRate(store::Database& books, const char* table, int code, const QString& description, double rate)
{
    store::Table rates(books, table);
    rates.open();
    if (rates.findKey({code})) {
        rates.edit();
    } else {
        rates.insert();
        rates.field("TaxRates_Code") = code;
    }
    rates.field("TaxRates_Description") = description.toStdString();
    rates.field("TaxRates_Rate") = rate;
    rates.post();
}

}  // namespace

SetupValues ValuesOf(const SetupSteps& steps)
{
    const SetupAnswers& answers = steps.answers();
    SetupValues values;
    values.inCanada = answers.inCanada;
    for (int box = 0; box < kRateCount; ++box) values.rates[box] = steps.rate(box).value_or(0.0);
    values.dateFormat = kSetupDateFormats.value(answers.dateFormat, kSetupDateFormats[kMonthDayYear]);
    values.currencySymbol = answers.currencySymbol;
    values.alignRight = answers.alignRight.value_or(false);
    values.currencyDescription = answers.currencyDescription;
    values.fractionsDescription = answers.fractionsDescription;
    return values;
}

bool TolvaneEdition(const QString& companyDir) { return companyDir.contains(u"Tolvane"); }

void WriteCompanySetup(store::Database& books, const SetupValues& values, const RateDescriptions& descriptions,
                       bool tolvane)
{
    store::Table control(books, "ctrl");
    control.open();
    control.first();
    if (!control.hasRecord()) throw store::StoreError(store::errc::kRecordGone, "The control record is missing.");
    store::EditWithLockRetry(control);
    store::Transaction transaction(books);
    control.field("Ctrl_fed_rate") = values.rates[0];
    control.field("Ctrl_pro_rate1") = values.rates[1];
    control.field("Ctrl_pro_rate2") = values.rates[2];
    control.field("Ctrl_dollars1") = values.currencyDescription.toStdString();
    control.field("Ctrl_cents1") = values.fractionsDescription.toStdString();
    if (!tolvane) {
        control.field("Ctrl_TaxSystem") = values.inCanada ? 0 : 1;
        if (!values.inCanada) {
            for (const char* table : {"taxrates", "taxratesP"})
                for (int code = 1; code <= 2; ++code) putRate(books, table, code, descriptions[code - 1], values.rates[code - 1]);
        }
    }
    control.post();
    transaction.commit();
}

bool WriteRegionalSetup(Registry& registry, const SetupValues& values)
{
    bool saved = registry.setValue(kSettingsSection, u"DateFmt", values.dateFormat);
    saved = registry.setValue(kSettingsSection, u"CurrSmbl", values.currencySymbol) && saved;
    saved = registry.setValue(kSettingsSection, u"Intl", values.inCanada ? QStringLiteral("n") : QStringLiteral("y")) && saved;
    saved = registry.setValue(kSettingsSection, u"CurrAlign", values.alignRight ? QStringLiteral("R") : QStringLiteral("L")) && saved;
    return saved;
}

}  // namespace orvant::launcher
