#pragma once
// What the cheque screens take from the installation and the books to show amounts and name
// cheques: the control record's signs of the foreign currencies, and whether the installation
// calls cheques checks.

#include <QString>

#include "money/currency_format.h"
#include "store/database.h"

namespace orvant::cheques {

// The control record's signs of foreign currencies 1 to 4.
ForeignCurrencySigns ReadForeignSigns(store::Database& books);

// Cheques are checks in a US installation: the registry's Intl is "Y", the screen in English.
bool UsesUsWording(const QString& intl, int language);

}  // namespace orvant::cheques
