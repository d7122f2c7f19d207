#include "settings/regional.h"

#include "money/currency_format.h"

namespace orvant {
namespace {

const QString kDefaultDateFormat = QStringLiteral("DD/MM/YYYY");

std::string Read(const Registry& registry, QStringView name, const QString& defaultValue)
{
    return registry.value(kSettingsSection, name, defaultValue).toStdString();
}

std::string CurrencySymbol(const Registry& registry) { return Read(registry, u"CurrSmbl", QStringLiteral("$")); }
std::string CurrencyAlign(const Registry& registry) { return Read(registry, u"CurrAlign", QStringLiteral("L")); }

}  // namespace

RegionalSettings ApplyRegionalSettings(const Registry& registry)
{
    RegionalSettings settings{Read(registry, u"DateFmt", kDefaultDateFormat), CurrencySymbol(registry),
                              CurrencyAlign(registry)};
    if (!IsCompleteDateFormat(settings.dateFormat)) settings.dateFormat = kDefaultDateFormat.toStdString();

    SetShortDateFormat(settings.dateFormat);
    SetCurrencySigns(settings.currencySymbol, settings.currencyAlign, ProcessCurrencyFormat().foreignSigns());
    return settings;
}

void SetCurrencySigns(const Registry& registry, const ForeignCurrencySigns& signs)
{
    SetCurrencySigns(CurrencySymbol(registry), CurrencyAlign(registry), signs);
}

QString JobCostSection(const QString& dataRoot)
{
    if (dataRoot.contains(kProductSection)) return kProductSection.toString();
    if (dataRoot.contains(u"Tolvane")) return QStringLiteral("Tolvane");
    return QStringLiteral("brsk");
}

bool JobCostEnabled(const Registry& registry, const QString& dataRoot)
{
    const QString value = registry.value(JobCostSection(dataRoot), u"JobCost", QStringLiteral("N"));
    return value.compare(u"Y", Qt::CaseInsensitive) == 0;
}

}  // namespace orvant
