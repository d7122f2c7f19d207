#include "books/control_account_table.h"

namespace orvant {

ControlAccountTable::ControlAccountTable(Ledger ledger, store::Table& control)
{
    for (int currency = 0; currency < 5; ++currency)
        accounts_[static_cast<std::size_t>(currency)] =
            static_cast<int>(control.field(*ControlAccountField(ledger, currency)).asInt());
}

std::optional<int> ControlAccountTable::accountFor(int currency) const
{
    if (currency < 0 || currency > 4 || accounts_[static_cast<std::size_t>(currency)] == 0) return std::nullopt;
    return accounts_[static_cast<std::size_t>(currency)];
}

std::optional<int> ControlAccountTable::currencyOf(int account) const
{
    if (account == 0) return std::nullopt;
    for (int currency = 0; currency < 5; ++currency)
        if (accounts_[static_cast<std::size_t>(currency)] == account) return currency;
    return std::nullopt;
}

}  // namespace orvant
