#include "statement.h"

#include "store/table.h"

namespace orvant::inquiry {

std::vector<StatementLine> ReadStatement(store::Database& books, const InquiryLedger& ledger, const std::string& code,
                                         bool history)
{
    const aging::AgingLedger& entries = ledger.entries;
    const auto col = [&](const char* name) { return entries.entryColumn(name); };
    store::Table table(books, entries.entryTable(history));
    table.open();
    table.setIndex("ByStatement");
    table.setRange({code}, {code});
    std::vector<StatementLine> lines;
    Money balance;
    for (; !table.eof(); table.next()) {
        StatementLine line;
        line.party = table.field(entries.partyField).asString();
        line.invoice = table.field(col("invoice")).asString();
        line.reference = table.field(col("ref")).asString();
        line.date = table.field(col("date")).asDate();
        line.type = table.field(col("type")).asString();
        line.dueDate = table.field(col("du_date")).asDate();
        line.amount = table.field(col("amount")).asMoney();
        line.seq = table.field(col("seq")).asInt();
        balance += line.amount;
        line.balance = balance;
        lines.push_back(std::move(line));
    }
    return lines;
}

int TypeMessage(const std::string& type, const InquiryLedger& ledger)
{
    if (type == "1") return 0;
    if (type == "4") return 1;
    if (type == "5") return 2;
    if (type == "3") return 3;
    if (type == "2") return 4;
    if (type == "6") return ledger.holdbackTypeMessage;
    return -1;
}

}  // namespace orvant::inquiry
