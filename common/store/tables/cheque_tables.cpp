// The cheque list of a company (headers, the invoices each cheque pays, its tax lines), the
// recurring cheques with the same layouts, and the tables that describe the pre-printed form.

#include "store/tables/builders.h"
#include "store/tables/layouts.h"
#include "store/tables/subjects.h"

namespace orvant::store {

using namespace fields;
using namespace build;

namespace layouts {

// The ten distribution slots carry the cheque's journal entry: a positive amount is a debit.
TableDef chequeHeaders(std::string name)
{
    FieldList list;
    list << Int("Apchqh_seq") << Str("Apchqh_fou", 10) << Day("Apchqh_date_imp") << Str("Apchqh_nom", 60)
         << Str("Apchqh_adr1", 40) << Str("Apchqh_adr2", 40) << Str("Apchqh_city", 40) << Str("Apchqh_code_postal", 20)
         << Str("Apchqh_prov", 20) << Str("Apchqh_country", 40) << Str("Apchqh_cheque", 10) << Cash("Apchqh_Montant")
         << Family("Apchqh_accnt", 1, 10, asInt) << Family("Apchqh_dist", 1, 10, asCash) << Str("Apchqh_desc", 240);
    return Table(std::move(name), list).key({"Apchqh_seq"});
}

// The lines of a cheque are read in the order they were stored. A line pays an invoice, or its
// holdback (an item of its own) when the holdback flag is set.
TableDef chequeLines(std::string name, Flag chequeSeqFlag)
{
    FieldList list;
    list << Int("Apchqd_seq", chequeSeqFlag) << AutoInc("Apchqd_inc") << Str("Apchqd_fou", 10)
         << Str("Apchqd_invoice", 10) << Day("Apchqd_date") << Day("Apchqd_du_date") << Cash("Apchqd_montant")
         << Cash("Apchqd_esc") << Cash("Apchqd_payment") << Bool("Apchqd_holdback");
    return Table(std::move(name), list).key({"Apchqd_seq", "Apchqd_inc"});
}

TableDef chequeTaxLines(std::string name)
{
    FieldList list;
    list << Int("HeaderSeq") << AutoInc("Seq") << Str("Description", 40) << Float("Rate") << Cash("TaxAmount")
         << Cash("TotalAmount") << Int("Type");
    return Table(std::move(name), list).key({"HeaderSeq", "Seq"});
}

}  // namespace layouts

namespace {

// The undo refuses to remove an invoice that a cheque waiting to be printed pays.
TableDef chequeListLines()
{
    return Table(layouts::chequeLines("apchqd")).index("BySupplierInvoice", {"Apchqd_fou", "Apchqd_invoice", "Apchqd_holdback"});
}

// One row per item printed on the form, placed by part, line and position in inches.
TableDef formItems()
{
    FieldList list;
    list << AutoInc("Apchqfrm_index") << Str("Apchqfrm_field", 30) << Str("Apchqfrm_band", 10) << Float("Apchqfrm_line")
         << Float("Apchqfrm_pos");
    return Table("apchqfrm", list).key({"Apchqfrm_index"});
}

// One row: the page and the heights of the form's three parts.
TableDef formPage()
{
    FieldList list;
    list << Float("Apchqfrm1_page_len") << Float("Apchqfrm1_page_width") << Float("Apchqfrm1_header_len")
         << Float("Apchqfrm1_detail_len") << Float("Apchqfrm1_footer_len");
    return Table("apchqfrm1", list);
}

// The font of each form item, joined to it by Index.
TableDef formItemFonts()
{
    FieldList list;
    list << Int("Index") << Int("Style") << Int("Size") << Int("Width") << Str("Fontname", 30);
    return Table("apchqfrm2", list).key({"Index"});
}

// One row: which part is the cheque and which stub heading line names it.
TableDef formParts()
{
    FieldList list;
    list << Family("ApchqFrm4Band", 1, 3, asInt) << Int("ApchqFrm4Lines") << Int("ApchqFrm4WhichLine");
    return Table("ApchqFrm4", list);
}

// Every cheque number given on a bank account (the position of its control-record counter),
// printed or void: a number found here is never given again. Apchqno_date is the day the number
// was given; an issued number also keeps the supplier and the date of its cheque, which its
// payment carries, so an undo voids the number of that payment alone.
TableDef chequeNumberRegister()
{
    FieldList list;
    list << Int("Apchqno_bank", Req) << Int("Apchqno_number", Req) << Str("Apchqno_state", 1) << Day("Apchqno_date")
         << UserName("Apchqno_user") << Stamp("Apchqno_stamp") << Str("Apchqno_supplier", 10) << Day("Apchqno_cheque_date");
    return Table("apchqno", list).key({"Apchqno_bank", "Apchqno_number"});
}

}  // namespace

namespace subjects {

std::vector<TableDef> chequeTables()
{
    return {
        layouts::chequeHeaders("apchqh"),
        chequeListLines(),
        layouts::chequeTaxLines("apchVAT"),
        layouts::chequeHeaders("recchqh"),
        layouts::chequeLines("recchqd"),
        layouts::chequeTaxLines("RecChVAT"),
        formItems(),
        formPage(),
        formItemFonts(),
        formParts(),
        chequeNumberRegister(),
    };
}

}  // namespace subjects

}  // namespace orvant::store
