#pragma once
// Saves the rows of a tabular report for a spreadsheet: comma-separated, UTF-8, lines ended by
// CR LF, a field quoted when it holds a comma, a quote or a line break (quotes doubled).
// Amounts are written as plain decimals ("-1234.56") so that spreadsheets read them as numbers.

#include <QString>

#include "report/export_progress.h"
#include "report/output_result.h"
#include "report/report_document.h"

namespace orvant::report {

struct CsvOptions {
    bool columnTitles = true;  // a first line with the titles of the columns
};

// Writes the document's detail rows to `path`, replacing the file only once all is written.
// A document without a table (a printed screen) is refused.
OutputResult exportCsv(const ReportDocument& document, const QString& path, const CsvOptions& options = {},
                       const ExportProgress& progress = {});

}  // namespace orvant::report
