#pragma once
// The bank accounts a cheque list may be drawn on: the control record's five bank accounts, in
// order, each shown by its description in the chart; a position without an account, or whose
// account the chart lacks, is left out. The position of the account (1 to 5) gives the
// currency of its cheques.

#include <QString>
#include <vector>

#include "money/currency_format.h"
#include "store/database.h"

namespace orvant::vndcheqlist {

struct BankChoice {
    QString description;
    int account = 0;
    int position = 1;  // 1 to 5: Ctrl_bank_accnt1 to Ctrl_bank_accnt5

    // The currency display index of its cheques: 0 the home currency, 1 to 4 the foreign ones.
    int currency() const { return position - 1; }
};

std::vector<BankChoice> ReadBankChoices(store::Database& books);

// The control record's signs of foreign currencies 1 to 4.
ForeignCurrencySigns ReadForeignSigns(store::Database& books);

}  // namespace orvant::vndcheqlist
