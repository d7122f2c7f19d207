#pragma once
// The cheque printer of the workstation: the printer the registry's APChequePrinter names when it
// is installed, else the session's printer, else the system's default. Where no printer is set
// up at all, or the registry names "PDF", a run goes to the PDF kept beside the books only, to
// be printed from there.

#include <QString>
#include <memory>

#include "cheque_run.h"

class QWidget;

namespace orvant::vndcheqprint {

// The registry's name that sends the cheques to their PDF only.
inline constexpr const char* kPdfOnlyPrinter = "PDF";

// `printDialog` shows the printer dialog when the printer is prepared, so the user may change
// the printer or cancel before any number is given.
std::unique_ptr<ChequePrinter> ChooseChequePrinter(const QString& registryName, const QString& sessionPrinterName, bool printDialog,
                                                   QWidget* parent);

}  // namespace orvant::vndcheqprint
