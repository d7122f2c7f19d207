#include "sidedialogs/period_number.h"

namespace orvant::sidedialogs {

std::optional<int> ReadPeriodNumber(const QString& typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty()) return std::nullopt;
    for (const QChar c : text)
        if (c < u'0' || c > u'9') return std::nullopt;
    bool ok = false;
    const int period = text.toInt(&ok);
    if (!ok || period > kLastPeriod) return std::nullopt;
    return period;
}

QString PeriodRefusalText(int language)
{
    return language == 1 ? QStringLiteral("Not a valid period number.") : QStringLiteral("Entrez un numéro valide.");
}

}  // namespace orvant::sidedialogs
