// Copies of what the payables undo removed: the open items, the journal or ledger lines, and
// the documents as entered. Each copy numbers its records itself.

#include "store/tables/builders.h"
#include "store/tables/layouts.h"
#include "store/tables/subjects.h"

namespace orvant::store::subjects {

using namespace fields;
using namespace build;

namespace {

// A removed open item with when and by whom it was removed; listed per supplier.
TableDef removedItems()
{
    FieldList list;
    list << Str("Cap_supplier", 10) << Str("Cap_invoice", 10) << Str("Cap_ref", 10) << Day("Cap_date")
         << Str("Cap_type", 1) << AutoInc("Cap_seq") << Day("Cap_du_date") << Cash("Cap_amount")
         << Memo("Cap_memo", 200) << Stamp("cap_stamp") << UserName("cap_user");
    return Table("cvndundo", list).key({"Cap_supplier", "Cap_seq"});
}

// A removed journal or ledger line, shown under the item of the same reference and date.
TableDef removedLines()
{
    FieldList list;
    list << Str("Gla_reference") << Day("Gla_date") << Int("Gla_journal") << Int("Gla_account")
         << Str("Gla_description", 60) << Cash("Gla_debit") << Cash("Gla_credit") << AutoInc("gla_inc");
    return Table("glundoap", list).key({"Gla_reference", "Gla_date", "gla_inc"});
}

}  // namespace

std::vector<TableDef> auditTables()
{
    using layouts::Party;
    return {
        removedItems(),
        removedLines(),
        layouts::sourceDocuments("aporidel", Party::Supplier),
        layouts::paymentHeaders("cdorihdrdel", Party::Supplier),
        layouts::paymentDetails("cdoridetdel", Party::Supplier),
    };
}

}  // namespace orvant::store::subjects
