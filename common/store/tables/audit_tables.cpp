// Copies of what the payables undo removed: the open items, the journal or ledger lines, the
// documents as entered, and the tax-report and project lines. Every copy carries the number of
// the undo that made it and the sequence number its record had, so the copies of one undo still
// point at each other (a payment's lines at their header) and never mix with another undo's.

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
         << Memo("Cap_memo", 200) << Stamp("cap_stamp") << UserName("cap_user") << Int("Cap_undo_no")
         << Int("Cap_orig_seq");
    return Table("cvndundo", list).key({"Cap_supplier", "Cap_seq"});
}

// A removed journal or ledger line, shown under the item of the same reference and date.
TableDef removedLines()
{
    FieldList list;
    list << Str("Gla_reference") << Day("Gla_date") << Int("Gla_journal") << Int("Gla_account")
         << Str("Gla_description", 60) << Cash("Gla_debit") << Cash("Gla_credit") << AutoInc("gla_inc")
         << Int("Gla_undo_no");
    return Table("glundoap", list).key({"Gla_reference", "Gla_date", "gla_inc"});
}

// What every copy of a document record adds: its undo and the number the record had.
TableDef removedDocuments(TableDef def)
{
    FieldList more;
    more << Int("Undo_no") << Int("Orig_seq");
    return Table(std::move(def)).addFields(more);
}

// A removed line of the purchases tax report, with the number it had.
TableDef removedTaxLines()
{
    FieldList list;
    list << Int("TaxRep_Code") << Str("TaxRep_Reference", 10) << Int("TaxRep_Inc") << Day("TaxRep_Date")
         << Cash("TaxRep_Gross") << Cash("TaxRep_VAT") << Bool("TaxRep_Purchase") << Int("TaxRep_TypeCode")
         << Int("TaxRep_Undo_no");
    return Table("taxrepPdel", list).key({"TaxRep_Undo_no", "TaxRep_Inc"});
}

// A removed project transaction; its number may be given again once it is gone, so the undo's
// number completes the key.
TableDef removedProjectLines()
{
    FieldList list;
    list << Int("JcTrans_Seq") << Str("JcTrans_Project", 10) << Str("JcTrans_Phase", 10) << Str("JcTrans_Comp", 10)
         << Day("JcTrans_Date") << Int("JcTrans_Type") << Float("JcTrans_Vol") << Cash("JcTrans_Taux")
         << Int("JcTrans_Period") << Str("JcTrans_Ref", 20) << Str("JcTrans_Desc", 40) << Str("JcTrans_UM", 5)
         << Cash("JcTrans_Tot") << Int("JcTrans_Source") << Stamp("JcTrans_Stamp") << UserName("JcTrans_User")
         << Str("JcTrans_TypeDesc", 25) << Int("JcTrans_Undo_no");
    return Table("jcTransdel", list).key({"JcTrans_Undo_no", "JcTrans_Seq"});
}

}  // namespace

std::vector<TableDef> auditTables()
{
    using layouts::Party;
    return {
        removedItems(),
        removedLines(),
        removedDocuments(layouts::sourceDocuments("aporidel", Party::Supplier)),
        removedDocuments(layouts::paymentHeaders("cdorihdrdel", Party::Supplier)),
        removedDocuments(layouts::paymentDetails("cdoridetdel", Party::Supplier)),
        removedTaxLines(),
        removedProjectLines(),
    };
}

}  // namespace orvant::store::subjects
