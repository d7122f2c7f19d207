#pragma once
// Small layouts of the store tests, shaped like the books' own: a master file, a ledger keyed
// by client, invoice and entry number, a journal header, and a keyless work table.

#include "store/schema.h"

namespace orvant::store::test {

inline TableDef clientsTable()
{
    using namespace fields;
    TableDef def;
    def.name = "tcli";
    def.fields = {Str("Code", 10, Req), Str("Name", 60), Int("Terms"), Cash("Balance"), Day("Created"),
                  Bool("Hold"),         Float("Discount"), Stamp("Stamp"), Memo("Notes", 200), Str("Tag")};
    def.primaryKey = {"Code"};
    def.indexes = {{"ByName", {"Name"}, false}};
    return def;
}

inline TableDef ledgerTable()
{
    using namespace fields;
    TableDef def;
    def.name = "tled";
    def.fields = {Str("Client", 10), Str("Invoice", 10), AutoInc("Seq"), Day("Due"), Cash("Amount"), Str("Type", 1)};
    def.primaryKey = {"Client", "Invoice", "Seq"};
    def.indexes = {{"ByDue", {"Due"}, false}, {"ByClientDue", {"Client", "Due"}, false}};
    return def;
}

inline TableDef journalTable()
{
    using namespace fields;
    TableDef def;
    def.name = "tjour";
    def.fields = {Int("Period"), Int("Journal"), Str("Reference", 30), Day("Date"), Cash("TotDebit"), Cash("TotCredit")};
    def.primaryKey = {"Period", "Journal", "Reference", "Date"};
    return def;
}

inline TableDef scratchTable()
{
    using namespace fields;
    TableDef def;
    def.name = "tscratch";
    def.fields = {Str("Description", 40), Float("Rate"), Cash("Amount")};
    return def;
}

}  // namespace orvant::store::test
