#pragma once
// An aged-receivables report of made-up clients, as the tests build it.

#include <QString>
#include <vector>

#include "money/money.h"
#include "report/report_builder.h"

namespace orvant::report::sample {

enum Column { kClient, kInvoice, kCurrent, kOverdue };

ReportHeading agingHeading(const QString& pageNumberFormat = QStringLiteral("Page %1 of %2"));
std::vector<ReportColumn> agingColumns();

QString clientName(int row);
Money currentAmount(int row);
Money overdueAmount(int row);

// `rows` invoices, one per row, in groups of `perGroup` closed by their totals, then the summary.
ReportDocument agingReport(int rows, int perGroup, const QString& pageNumberFormat = QStringLiteral("Page %1 of %2"));

}  // namespace orvant::report::sample
