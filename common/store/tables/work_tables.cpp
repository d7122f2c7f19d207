// Per-session work tables: each running launcher has its own copy, named with its session number
// ("VatTmp7"), created empty in the company directory and emptied before each use. They are
// declared under their base name.

#include "store/tables/builders.h"
#include "store/tables/layouts.h"
#include "store/tables/subjects.h"

namespace orvant::store::subjects {

using namespace fields;
using namespace build;

namespace {

// One row per tax rate of the document being entered; the user types the net amount per rate.
TableDef taxPerRate()
{
    FieldList list;
    list << Str("Description", 40) << Float("Rate") << Cash("TaxAmount") << Cash("TotalAmount") << Int("Type");
    return Table("VatTmp", list).perSession();
}

// The project distribution of the document; the payables modules also charge an element.
TableDef projectDistribution()
{
    FieldList list;
    list << Str("Project", 10) << Str("Phase", 10) << Cash("Amount") << Str("Element", 10) << Float("Quantity")
         << Float("Rate");
    return Table("CaxJC", list).perSession();
}

// The distribution grid of cash receipts (artmp) and cash disbursements (aptmp), in entry order.
TableDef distributionGrid(std::string name)
{
    FieldList list;
    list << Int("Tmp_account") << Str("Tmp_desc", 30) << Cash("Tmp_debit") << Cash("Tmp_credit");
    return Table(std::move(name), list).perSession();
}

// The one record of the two totals under a distribution grid.
TableDef gridTotals() { return Table("cxtmp", FieldList{Cash("TotalDebit"), Cash("TotalCredit")}).perSession(); }

// Open items of a client or supplier: one row per invoice, in the order they were met. The
// invoice is 13 wide so that a holdback item can carry its label before the number.
TableDef openItems()
{
    FieldList list;
    list << Str("Car_client", 10) << Str("Car_invoice", 13) << Str("Car_ref", 10) << Day("Car_date")
         << Str("Car_type", 1) << AutoInc("Car_seq") << Day("Car_du_date") << Cash("Car_amount")
         << Memo("Car_memo", 200) << Str("Car_slsm", 10) << Cash("Car_pro_tax") << Cash("Car_fed_tax")
         << Cash("Car_Payment") << UserName("Car_user") << Stamp("Car_stamp");
    return Table("car_temp", list).key({"Car_seq"}).index("Invoice", {"Car_invoice"}).perSession();
}

// The running balance of each statement line, found again by the line's six values.
TableDef runningBalance(const std::string& prefix, const std::string& partyField, const std::string& refField)
{
    FieldList list;
    list << Str(partyField, 10) << Str(prefix + "_invoice", 10) << Str(refField, 10) << Day(prefix + "_date")
         << Str(prefix + "_type", 1) << Int(prefix + "_seq") << Cash(prefix + "_balance");
    return Table(prefix, list)
        .key({partyField, prefix + "_invoice", refField, prefix + "_date", prefix + "_type", prefix + "_seq"})
        .perSession();
}

// Print copy of the cheque lines: each printed form's lines follow the stub heading lines that
// name its cheque.
TableDef printedFormLines()
{
    FieldList stubHeading;
    stubHeading << Str("ChequeNum", 40) << Str("SuppCode", 10) << Str("SuppName", 40) << Day("ChequeDate")
                << Str("CompName", 40) << Cash("ChequeAmt");
    return Table(layouts::chequeLines("apchqd")).addFields(stubHeading).perSession();
}

}  // namespace

std::vector<TableDef> workTables()
{
    return {
        taxPerRate(),
        projectDistribution(),
        distributionGrid("artmp"),
        distributionGrid("aptmp"),
        gridTotals(),
        openItems(),
        Table(layouts::chequeLines("apchqdtmp", Req)).perSession(),
        runningBalance("Cartmp", "Cartmp_client", "cartmp_ref"),
        runningBalance("Captmp", "Captmp_supplier", "captmp_ref"),
        Table(layouts::chequeHeaders("apchqh")).perSession(),  // print copy: one header per form
        printedFormLines(),
    };
}

}  // namespace orvant::store::subjects
