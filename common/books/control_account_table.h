#pragma once
// The control accounts of one ledger, by currency, as the control record holds them: the
// receivable (or payable) account of the home currency and of foreign currencies 1 to 4.
// Entry screens ask whether a row's account is one of them, and of which currency.

#include <array>
#include <optional>

#include "books/control_accounts.h"
#include "store/table.h"

namespace orvant {

class ControlAccountTable {
public:
    // Read from the control record on which `control` stands.
    ControlAccountTable(Ledger ledger, store::Table& control);

    // The account of currency 0 to 4; nothing for a currency outside that range or without an
    // account.
    std::optional<int> accountFor(int currency) const;
    // The currency whose control account this is; nothing when it is none (0 is no account).
    std::optional<int> currencyOf(int account) const;
    bool isControlAccount(int account) const { return currencyOf(account).has_value(); }

private:
    std::array<int, 5> accounts_{};
};

}  // namespace orvant
