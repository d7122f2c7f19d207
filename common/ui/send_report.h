#pragma once
// Sending a report where the user asked, as every report screen does.

#include <QString>
#include <functional>

#include "report/report_document.h"
#include "report/report_output.h"
#include "session/session.h"

class QWidget;

namespace orvant::ui {

// The session's printer, an index into the installed printers.
int PrinterIndex(const Session& session);

// To the session's printer (through the print dialog first when `printDialog`), to a preview,
// or to the export dialog. True when the export dialog exported the report: the screen then
// closes. A print or a preview that failed is handed to `failed` with what went wrong.
bool SendReport(report::ReportOutput how, const report::ReportDocument& document, QWidget& parent, const Session& session,
                bool printDialog, const std::function<void(const QString& why)>& failed);

}  // namespace orvant::ui
