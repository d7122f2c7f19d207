#include "settings/regional.h"

#include "money/currency_format.h"

namespace orvant {
namespace {

const QString kDefaultDateFormat = QStringLiteral("DD/MM/YYYY");

std::string Read(const Registry& registry, QStringView name, const QString& defaultValue)
{
    return registry.value(kSettingsSection, name, defaultValue).toStdString();
}

}  // namespace

RegionalSettings ApplyRegionalSettings(const Registry& registry)
{
    RegionalSettings settings{Read(registry, u"DateFmt", kDefaultDateFormat),
                              Read(registry, u"CurrSmbl", QStringLiteral("$")),
                              Read(registry, u"CurrAlign", QStringLiteral("L"))};
    if (!IsCompleteDateFormat(settings.dateFormat)) settings.dateFormat = kDefaultDateFormat.toStdString();

    SetShortDateFormat(settings.dateFormat);
    SetCurrencySigns(settings.currencySymbol, settings.currencyAlign, ProcessCurrencyFormat().foreignSigns());
    return settings;
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
