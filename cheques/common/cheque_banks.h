#pragma once
// The bank accounts cheques are drawn on: the control record's five bank accounts, one per
// currency (position p, 1 to 5, pays currency p - 1). The list and the editor offer the same
// choice: the positions whose account is set and found in the chart, in order.

#include <string>
#include <vector>

#include "store/database.h"

namespace orvant::cheques {

// The home currency and the four foreign ones; as many bank accounts.
inline constexpr int kCurrencies = 5;

struct ChequeBank {
    int account = 0;
    std::string description;  // the account's description in the chart
    int position = 1;         // 1 to 5: Ctrl_bank_accnt1 to Ctrl_bank_accnt5

    // The currency of its cheques: 0 the home currency, 1 to 4 the foreign ones.
    int currency() const { return position - 1; }
};

std::vector<ChequeBank> ReadChequeBanks(store::Database& books);

}  // namespace orvant::cheques
