#include "bank_choices.h"

#include "books/control_accounts.h"
#include "store/table.h"

namespace orvant::vndcheqlist {

std::vector<BankChoice> ReadBankChoices(store::Database& books)
{
    store::Table control(books, "ctrl");
    control.open();
    control.first();
    store::Table accounts(books, "glm");
    accounts.open();
    std::vector<BankChoice> choices;
    for (int position = 1; position <= 5; ++position) {
        const int account = control.hasRecord() ? static_cast<int>(control.field(*BankAccountField(position)).asInt()) : 0;
        if (account == 0 || !accounts.findKey({account})) continue;
        choices.push_back({QString::fromStdString(accounts.field("Glm_Description").asString()), account, position});
    }
    return choices;
}

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
