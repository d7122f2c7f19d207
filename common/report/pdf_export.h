#pragma once
// Saves a report as a PDF file, drawn exactly as it would print.

#include <QString>

#include "report/export_progress.h"
#include "report/output_result.h"
#include "report/report_document.h"

namespace orvant::report {

// Writes the whole document to `path`. The file is replaced only once the PDF is complete: a
// failure or a cancel leaves whatever was there before.
OutputResult exportPdf(const ReportDocument& document, const QString& path, const ExportProgress& progress = {});

}  // namespace orvant::report
