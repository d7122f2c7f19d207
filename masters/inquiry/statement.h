#pragma once
// A party's statement: its ledger entries, or the history of them, in statement order (invoice,
// reference, date, type, then posting order), each with the running balance of the entries up
// to it. The balance is summed in fixed point as the rows are read, so a line's balance is
// always the sum of the amounts shown above it and never depends on another session's tables.

#include <cstdint>
#include <string>
#include <vector>

#include "dates/date.h"
#include "inquiry_ledger.h"
#include "money/money.h"
#include "store/database.h"

namespace orvant::inquiry {

struct StatementLine {
    std::string party;  // the client or supplier code
    std::string invoice;
    std::string reference;
    Date date;
    std::string type;  // "1" to "6"
    Date dueDate;
    Money amount;
    std::int64_t seq = 0;
    Money balance;  // the sum of the amounts of this line and every line above it
};

// The entries of party `code`, from the ledger or, with `history`, from its history.
std::vector<StatementLine> ReadStatement(store::Database& books, const InquiryLedger& ledger, const std::string& code,
                                         bool history);

// The message of the inquiry screen that names an entry type: "1" 0 (sale or purchase), "4" 1
// (debit), "5" 2 (credit), "3" 3 (adjustment), "2" 4 (payment), "6" the ledger's holdback
// message; -1 for a type the books do not know.
int TypeMessage(const std::string& type, const InquiryLedger& ledger);

}  // namespace orvant::inquiry
