#pragma once
// The bank reconciliation lines (concil) a posting writes for each row on a bank account: the
// money that came in (a receipt, positive) or went out (a disbursement, negative), for the
// bank reconciliation to tick off.

#include <string>

#include "dates/date.h"
#include "money/money.h"
#include "store/database.h"
#include "store/table.h"

namespace orvant {

// Where a bank line comes from.
inline constexpr int kBankLineReceipt = 1;
inline constexpr int kBankLineDisbursement = 2;

struct BankLine {
    int type = kBankLineReceipt;
    int account = 0;
    std::string reference;
    std::string party;  // the client or supplier code; empty for none
    std::string name;   // the party's name or the memo; cut to the width kept
    Date date;
    Money amount;  // into the bank; negative out of it
};

class BankLineWriter {
public:
    // Over the company's concil; run it inside a posting's transaction (one a refused write spoils).
    explicit BankLineWriter(store::Database& company);

    void add(const BankLine& line);
    // Drops a line whose writing failed, so that the next posting does not save it.
    void cancel() { lines_.cancel(); }

private:
    store::Table lines_;
};

}  // namespace orvant
