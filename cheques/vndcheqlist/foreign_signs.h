#pragma once
// The signs the report shows beside amounts of the foreign currencies.

#include "money/currency_format.h"
#include "store/database.h"

namespace orvant::vndcheqlist {

// The control record's signs of foreign currencies 1 to 4.
ForeignCurrencySigns ReadForeignSigns(store::Database& books);

}  // namespace orvant::vndcheqlist
