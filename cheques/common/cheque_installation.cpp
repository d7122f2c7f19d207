#include "cheque_installation.h"

#include "books/control_accounts.h"
#include "store/table.h"

namespace orvant::cheques {

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

bool UsesUsWording(const QString& intl, int language) { return language == 1 && intl.compare("Y", Qt::CaseInsensitive) == 0; }

}  // namespace orvant::cheques
