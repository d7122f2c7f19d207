#pragma once
// Printing a report and showing it in a print preview, through the same painting as the PDF.
//
// A session names its printer as an index into QPrinterInfo::availablePrinters(); an index out
// of range (or a name not installed) means the system's default printer.

#include <QString>

#include "report/output_result.h"
#include "report/report_document.h"

class QPrintPreviewDialog;
class QWidget;

namespace orvant::report {

// Prints on the given printer, or lets the user change it, the page range and the copies first
// when `askWithDialog`. Cancelling the dialog prints nothing and answers Cancelled.
OutputResult printReport(const ReportDocument& document, QWidget* parent, int printerIndex, bool askWithDialog);
OutputResult printReport(const ReportDocument& document, QWidget* parent, const QString& printerName, bool askWithDialog);

// Shows the report in a print preview from which the user may print it: Done when printed,
// Cancelled when closed.
OutputResult previewReport(const ReportDocument& document, QWidget* parent, int printerIndex = -1);

// Makes a preview dialog draw the document. The document must outlive the dialog.
void connectPreview(QPrintPreviewDialog& dialog, const ReportDocument& document);

}  // namespace orvant::report
