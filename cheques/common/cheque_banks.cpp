#include "cheque_banks.h"

#include "books/control_accounts.h"
#include "store/table.h"

namespace orvant::cheques {

std::vector<ChequeBank> ReadChequeBanks(store::Database& books)
{
    store::Table control(books, "ctrl");
    control.open();
    control.first();
    std::vector<ChequeBank> banks;
    if (!control.hasRecord()) return banks;
    store::Table chart(books, "glm");
    chart.open();
    for (int position = 1; position <= kCurrencies; ++position) {
        const int account = static_cast<int>(control.field(*BankAccountField(position)).asInt());
        if (account == 0 || !chart.findKey({account})) continue;
        banks.push_back({account, chart.field("Glm_Description").asString(), position});
    }
    return banks;
}

}  // namespace orvant::cheques
