#pragma once
// What the undone transactions tab and the report show: the audit copies of the items a
// supplier's undos removed, each with the journal or ledger lines removed with it.

#include <cstdint>
#include <string>
#include <vector>

#include "dates/date.h"
#include "money/money.h"
#include "store/database.h"

namespace orvant::vndundo {

// A removed journal or general-ledger line (glundoap).
struct UndoneLine {
    int journal = 0;
    int account = 0;
    std::string description;  // the account's description in the chart
    Money debit, credit;
};

// A removed item (cvndundo) with its lines: those of its undo with the item's reference and date
// for a payment, its invoice and date otherwise.
struct UndoneItem {
    int undoNumber = 0;
    std::int64_t originalSeq = 0;  // its Cap_seq in the ledger
    std::string supplier, invoice, reference, type;
    Date date, dueDate;
    Money amount;
    std::string memo;
    std::string deletedBy;     // "Deleted by": the UserId of who undid it
    DateTime timeDeleted;      // "Time deleted"
    std::vector<UndoneLine> lines;
};

struct UndoReportData {
    std::string supplierCode, supplierName;
    std::vector<UndoneItem> items;  // in the order they were removed

    // "Transactions deleted:": the number of items listed.
    int transactionsDeleted() const { return static_cast<int>(items.size()); }
};

// The supplier's undone items (every supplier's when the code is empty).
UndoReportData ReadUndoReport(store::Database& books, const std::string& supplier);

}  // namespace orvant::vndundo
