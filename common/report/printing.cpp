#include "report/printing.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "report/paged_output.h"

namespace orvant::report {
namespace {

// The name of the printer at `printerIndex`, or an empty name when there is no such printer.
QString printerNameAt(int printerIndex)
{
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    if (printerIndex < 0 || printerIndex >= printers.size()) return {};
    return printers.at(printerIndex).printerName();
}

// Points the printer at the named one, or at the default printer; false when there is none.
bool choosePrinter(QPrinter& printer, const QString& printerName)
{
    QString chosen = printerName;
    if (chosen.isEmpty() || !QPrinterInfo::availablePrinterNames().contains(chosen)) {
        chosen = QPrinterInfo::defaultPrinterName();
    }
    if (chosen.isEmpty()) return false;
    printer.setPrinterName(chosen);
    return true;
}

}  // namespace

OutputResult printReport(const ReportDocument& document, QWidget* parent, int printerIndex, bool askWithDialog)
{
    return printReport(document, parent, printerNameAt(printerIndex), askWithDialog);
}

OutputResult printReport(const ReportDocument& document, QWidget* parent, const QString& printerName, bool askWithDialog)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document.title);
    const bool hasPrinter = choosePrinter(printer, printerName);
    if (askWithDialog) {
        // The dialog also offers printing to a file, so it is shown even without a printer.
        QPrintDialog dialog(&printer, parent);
        dialog.setMinMax(1, document.pageCount());
        if (dialog.exec() != QDialog::Accepted) return OutputResult::cancelled();
    } else if (!hasPrinter) {
        return OutputResult::failed(QStringLiteral("No printer is installed."));
    }
    return paintDocument(document, printer);
}

void connectPreview(QPrintPreviewDialog& dialog, const ReportDocument& document)
{
    dialog.setWindowTitle(document.title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&document](QPrinter* printer) { paintDocument(document, *printer); });
}

OutputResult previewReport(const ReportDocument& document, QWidget* parent, int printerIndex)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document.title);
    choosePrinter(printer, printerNameAt(printerIndex));
    QPrintPreviewDialog dialog(&printer, parent);
    connectPreview(dialog, document);
    return dialog.exec() == QDialog::Accepted ? OutputResult::done() : OutputResult::cancelled();
}

}  // namespace orvant::report
