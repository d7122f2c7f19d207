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

namespace {

// A caption text of the language table has no trailing blank; the number follows a blank.
std::string withBlank(std::string text)
{
    if (!text.empty() && text.back() != ' ') text += ' ';
    return text;
}

}  // namespace

std::string PeriodCaption(const std::string& prefix, const std::string& beforePeriod, int currentPeriod, int period,
                          const std::string& month)
{
    if (currentPeriod == 0) return withBlank(prefix) + "0" + withBlank(beforePeriod) + std::to_string(period);
    if (period != 0) return withBlank(prefix) + std::to_string(period) + " : " + month;
    return withBlank(prefix) + "0";
}

}  // namespace orvant::sidedialogs
