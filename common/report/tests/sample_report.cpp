#include "report/tests/sample_report.h"

namespace orvant::report::sample {

ReportHeading agingHeading(const QString& pageNumberFormat)
{
    return {.title = QStringLiteral("Aged receivables"),
            .companyName = QStringLiteral("Quincaillerie Bélanger inc."),
            .date = QStringLiteral("31/03/2026"),
            .subtitles = {QStringLiteral("All clients")},
            .pageNumberFormat = pageNumberFormat,
            .footer = {}};
}

std::vector<ReportColumn> agingColumns()
{
    return {{QStringLiteral("Client"), inches(2.5), ColumnKind::Text},
            {QStringLiteral("Invoice"), inches(1), ColumnKind::Number},
            {QStringLiteral("Current"), inches(1.2), ColumnKind::Amount},
            {QStringLiteral("Over 30 days"), inches(1.2), ColumnKind::Amount}};
}

QString clientName(int row)
{
    return QStringLiteral("Client %1").arg(row, 3, 10, QLatin1Char('0'));
}

Money currentAmount(int row)
{
    return Money::fromCents(123456 + 1001 * row);
}

Money overdueAmount(int row)
{
    return Money::fromCents(row % 3 == 0 ? -2550 * row : 99 * row);
}

ReportDocument agingReport(int rows, int perGroup, const QString& pageNumberFormat)
{
    ReportBuilder builder(agingHeading(pageNumberFormat), agingColumns());
    for (int row = 0; row < rows; ++row) {
        if (row % perGroup == 0) builder.beginGroup(QStringLiteral("Territory %1").arg(row / perGroup + 1));
        builder.addRow({clientName(row), QString::number(5000 + row), currentAmount(row), overdueAmount(row)});
        if (row % perGroup == perGroup - 1 || row == rows - 1) {
            builder.endGroup(QStringLiteral("Total territory %1").arg(row / perGroup + 1));
        }
    }
    return builder.finish(QStringLiteral("Total"));
}

}  // namespace orvant::report::sample
