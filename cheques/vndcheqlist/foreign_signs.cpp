#include "foreign_signs.h"

#include "books/control_accounts.h"
#include "store/table.h"

namespace orvant::vndcheqlist {

ForeignCurrencySigns ReadForeignSigns(store::Database& books)
{
    store::Table control(books, "ctrl");
    control.open();
    control.first();
    ForeignCurrencySigns signs;
    for (int c = 1; c <= 4 && control.hasRecord(); ++c)
        signs[static_cast<std::size_t>(c - 1)] = control.field(*CurrencySignField(c)).asString();
    return signs;
}

}  // namespace orvant::vndcheqlist
