#pragma once
// The presentation settings every module applies when it starts: the short date format and the
// currency display, read from the registry's Settings section.

#include <QString>
#include <string>

#include "dates/date_format.h"  // ShortDateFormat()
#include "money/currency_format.h"
#include "settings/registry.h"

namespace orvant {

struct RegionalSettings {
    std::string dateFormat;      // DateFmt, default "DD/MM/YYYY"
    std::string currencySymbol;  // CurrSmbl, default "$"
    std::string currencyAlign;   // CurrAlign, default "L"
};

// Reads DateFmt, CurrSmbl and CurrAlign and makes them the process-wide short date format and
// currency display; the foreign currency signs already remembered are kept. A DateFmt without a
// day, a month and a year could not show a date, so it falls back to the default.
RegionalSettings ApplyRegionalSettings(const Registry& registry);

// Re-reads CurrSmbl and CurrAlign and remembers the four foreign currency signs of the control
// record (Ctrl_curr1_sign ... Ctrl_curr4_sign) for the process-wide currency display.
void SetCurrencySigns(const Registry& registry, const ForeignCurrencySigns& signs);

// The registry section that holds JobCost for the edition installed at dataRoot: "Orvant" when
// the path contains that word, else "Tolvane" when it contains that word, else "brsk".
QString JobCostSection(const QString& dataRoot);

// True when JobCost in that section is "Y" in either case (default "N").
bool JobCostEnabled(const Registry& registry, const QString& dataRoot);

}  // namespace orvant
