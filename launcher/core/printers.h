#pragma once
// The printer the launcher starts with: the user's own when it is installed, else the system's
// default. Modules receive its position among the system's printers as `PrinterIndex`.

#include <QString>
#include <QStringList>

namespace orvant::launcher {

// The position of the printer to start with among `installed`; -1 when neither is installed.
int InitialPrinter(const QStringList& installed, const QString& usersPrinter, const QString& defaultPrinter);

}  // namespace orvant::launcher
