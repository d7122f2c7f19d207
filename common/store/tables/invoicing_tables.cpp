// The invoicing application's documents as the inquiries read them: current invoices (fahdr,
// fadet) and archived ones (fahdra, fadeta), with the items they sell (ivprod). The invoicing
// application writes them; this suite only reads them.

#include "store/tables/builders.h"
#include "store/tables/subjects.h"

namespace orvant::store::subjects {

using namespace fields;
using namespace build;

namespace {

// Two clients may hold invoices of the same number, so the client completes the key.
TableDef invoiceHeaders(const std::string& name, const std::string& prefix)
{
    FieldList list;
    list << Str(prefix + "_doc", 1) << Str(prefix + "_invoice", 10) << Str(prefix + "_client", 10)
         << Day(prefix + "_date") << Day(prefix + "_due_date") << Str(prefix + "_order", 10) << Str(prefix + "_po", 20)
         << Str(prefix + "_salesrep", 12) << Int(prefix + "_terms") << Cash(prefix + "_sales") << Cash(prefix + "_cost")
         << Cash(prefix + "_tax1") << Cash(prefix + "_tax2") << Cash(prefix + "_total")
         << Family(prefix + "_pmt", 1, 10, asCash);
    return Table(name, list)
        .key({prefix + "_doc", prefix + "_invoice", prefix + "_client"})
        .index("ByClient", {prefix + "_client", prefix + "_doc", prefix + "_invoice"});
}

// A line with no line code and nothing ordered is a comment line: only its description prints.
TableDef invoiceLines(const std::string& name, const std::string& prefix)
{
    FieldList list;
    list << Str(prefix + "_doc", 1) << Str(prefix + "_invoice", 10) << Str(prefix + "_client", 10)
         << Int(prefix + "_line") << Str(prefix + "_code", 10) << Str(prefix + "_item", 20)
         << Str(prefix + "_description", 60) << Float(prefix + "_qty_ordered") << Float(prefix + "_qty")
         << Cash(prefix + "_price") << Float(prefix + "_discount") << Bool(prefix + "_tax1") << Bool(prefix + "_tax2")
         << Cash(prefix + "_total") << Cash(prefix + "_cost");
    return Table(name, list).key({prefix + "_doc", prefix + "_invoice", prefix + "_client", prefix + "_line"});
}

TableDef items()
{
    FieldList list;
    list << Str("Ivprod_code", 20, Req) << Str("Ivprod_description", 60) << Cash("Ivprod_price") << Cash("Ivprod_cost");
    return Table("ivprod", list).key({"Ivprod_code"});
}

}  // namespace

std::vector<TableDef> invoicingTables()
{
    return {invoiceHeaders("fahdr", "Fahdr"), invoiceLines("fadet", "Fadet"), invoiceHeaders("fahdra", "Fahdra"),
            invoiceLines("fadeta", "Fadeta"), items()};
}

}  // namespace orvant::store::subjects
