#pragma once
// Paints a whole document on a paged device: a QPrinter (printing, print preview) or a QPdfWriter.
// Both go through this one function, so a PDF shows exactly what a printer would receive.

#include <QPagedPaintDevice>

#include "report/export_progress.h"
#include "report/output_result.h"
#include "report/report_document.h"

namespace orvant::report {

// Each page is given its own paper size and orientation; the device's margins are ignored, the
// document having its own. Only the pages within the device's page ranges are painted, when it
// has some (the user chose "Pages 2 to 5" in the print dialog). A cancel ends the painter at once;
// the caller discards what was written.
OutputResult paintDocument(const ReportDocument& document, QPagedPaintDevice& device,
                           const ExportProgress& progress = {});

}  // namespace orvant::report
