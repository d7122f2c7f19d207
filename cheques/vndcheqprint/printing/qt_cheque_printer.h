#pragma once
// The cheque printer of the workstation: the printer the registry's APChequePrinter names when it
// is installed, else the session's printer, else the system's default. Where no printer is set
// up at all, or the registry names "(PDF file)", a run goes to the PDF kept beside the books only,
// to be printed from there. A cheque printer prints each form once: copies would print several
// cheques with one number, and a page range would leave numbered cheques unprinted.

#include <QString>
#include <memory>

#include "report/output_result.h"

#include "cheque_run.h"

class QPrinter;
class QWidget;

namespace orvant::vndcheqprint {

// The registry's name that sends the cheques to their PDF only; no printer queue may be named so
// (a queue name has no space), where "PDF" is a common name of a PDF printer queue.
inline constexpr const char* kPdfOnlyPrinter = "(PDF file)";

// `printDialog` shows the printer dialog when the printer is prepared, so the user may change
// the printer or cancel before any number is given.
// Prints every form of the document once, whatever copies or pages the printer was set to.
report::OutputResult PrintEveryFormOnce(const report::ReportDocument& document, QPrinter& printer);

// The installed printer the cheques go to, whose page the preview shows; empty when none is.
QString ChequePrinterName(const QString& registryName, const QString& sessionPrinterName);

std::unique_ptr<ChequePrinter> ChooseChequePrinter(const QString& registryName, const QString& sessionPrinterName, bool printDialog,
                                                   QWidget* parent);

}  // namespace orvant::vndcheqprint
