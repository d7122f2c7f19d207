#include "core/printers.h"

namespace orvant::launcher {

int InitialPrinter(const QStringList& installed, const QString& usersPrinter, const QString& defaultPrinter)
{
    const qsizetype own = usersPrinter.isEmpty() ? -1 : installed.indexOf(usersPrinter);
    return static_cast<int>(own >= 0 ? own : installed.indexOf(defaultPrinter));
}

}  // namespace orvant::launcher
