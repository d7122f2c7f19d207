// What the transaction modules post: the client and supplier ledgers with their histories, the
// documents as entered, the journal handed to the general ledger, the general-ledger history,
// the tax report and the bank reconciliation; and virmem, the per-session scratch row in the
// data root.

#include "store/tables/builders.h"
#include "store/tables/layouts.h"
#include "store/tables/subjects.h"

namespace orvant::store {

using namespace fields;
using namespace build;

namespace {

const char* partyField(layouts::Party party) { return party == layouts::Party::Client ? "Client" : "Supplier"; }

// The inquiries list one party's entries by invoice, reference, date and type.
std::vector<std::string> statementOrder(const std::string& prefix, const std::string& partyName)
{
    return {partyName, prefix + "_invoice", prefix + "_ref", prefix + "_date", prefix + "_type"};
}

// A document number may repeat for one party and date (a note carries the number of the
// invoice it applies to), so the document's own number completes the key, and the reference,
// party and date stay a walk order.
TableDef documentTable(std::string name, const FieldList& list, layouts::Party party)
{
    return Table(std::move(name), list)
        .key({"Reference", partyField(party), "Date", "Seq"})
        .index("ByDocument", {"Reference", partyField(party), "Date"});
}

}  // namespace

namespace layouts {

// Entries of one client are walked invoice by invoice in posting order. A holdback entry and the
// payments on it carry the holdback flag: an invoice's holdback is an item of its own.
TableDef clientLedger(std::string name)
{
    FieldList list;
    list << Str("Car_client", 10) << Str("Car_invoice", 10) << Str("Car_ref", 10) << Day("Car_date")
         << Str("Car_type", 1) << Day("Car_du_date") << Cash("Car_amount") << Memo("Car_memo", 200)
         << Str("Car_slsm", 10) << Cash("Car_pro_tax") << Cash("Car_fed_tax") << AutoInc("Car_seq")
         << UserName("Car_user") << Stamp("Car_stamp") << Bool("Car_holdback");
    return Table(std::move(name), list)
        .key({"Car_client", "Car_invoice", "Car_seq"})
        .index("ByStatement", statementOrder("Car", "Car_client"));
}

// As the client ledger; the undo also finds the items of one payment by reference and date.
TableDef supplierLedger(std::string name)
{
    FieldList list;
    list << Str("Cap_supplier", 10) << Str("Cap_invoice", 10) << Str("Cap_ref", 10) << Day("Cap_date")
         << Str("Cap_type", 1) << AutoInc("Cap_seq") << Day("Cap_du_date") << Cash("Cap_amount")
         << Memo("Cap_memo", 200) << UserName("Cap_user") << Stamp("Cap_stamp") << Bool("Cap_holdback");
    return Table(std::move(name), list)
        .key({"Cap_supplier", "Cap_invoice", "Cap_seq"})
        .index("ByStatement", statementOrder("Cap", "Cap_supplier"))
        .index("ByReference", {"Cap_supplier", "Cap_ref", "Cap_date"});
}

TableDef sourceDocuments(std::string name, Party party)
{
    const bool client = party == Party::Client;
    FieldList list;
    list << Str("Reference", 10) << Str(partyField(party), 10) << Day("Date") << AutoInc("Seq") << Day("Due_date")
         << Bool(client ? "Direct_cash_sale" : "Direct_cash_purchase") << Str("Trx_type", 1)
         << Str("Dr_cr_reference", 10) << Memo("Comments", 240);
    if (!client) list << Str("PO", 10);
    list << Family("Account", 1, 15, asInt) << Family("Debit", 1, 15, asCash) << Family("Credit", 1, 15, asCash)
         << Stamp("Stamp") << UserName("User") << Bool("DebitCredit");
    return documentTable(std::move(name), list, party);
}

TableDef paymentHeaders(std::string name, Party party)
{
    const bool client = party == Party::Client;
    FieldList list;
    list << Str("Reference", 10) << Str(partyField(party), 10) << Day("Date") << AutoInc("Seq")
         << Bool(client ? "Not_from_cli" : "Not_to_sup");
    if (client) list << Bool("Nsf_cheque");
    list << Memo("Comments", 240) << Family("Account", 1, 20, asInt) << Family("Debit", 1, 20, asCash)
         << Family("Credit", 1, 20, asCash) << UserName("User") << Stamp("Stamp");
    return documentTable(std::move(name), list, party);
}

// A receipt or cheque that pays several invoices has several lines under one header, so the
// line's own number completes the key.
TableDef paymentDetails(std::string name, Party party)
{
    FieldList list;
    list << Str("Reference", 10) << Str(partyField(party), 10) << Day("Date") << Int("Header_seq") << AutoInc("Seq")
         << Str("Invoice", 10) << Day("Invoice_date") << Day("Invoice_due_date") << Cash("Invoice_amount")
         << Cash("Invoice_payment");
    return Table(std::move(name), list).key({"Reference", partyField(party), "Date", "Header_seq", "Seq"});
}

}  // namespace layouts

namespace {

// Postings add to the header of the same period, journal, reference and date; the undo looks a
// header up by reference and date alone.
TableDef journalHeaders()
{
    FieldList list;
    list << Int("Tjlh_period") << Int("Tjlh_journal") << Str("Tjlh_reference", 30) << Day("Tjlh_date")
         << Str("Tjlh_type", 30) << Cash("Tjlh_tot_debit") << Cash("Tjlh_tot_credit") << Memo("Tjlh_memo", 240)
         << UserName("Tjlh_user") << Stamp("Tjlh_stamp");
    return Table("tjlh", list)
        .key({"Tjlh_period", "Tjlh_journal", "Tjlh_reference", "Tjlh_date"})
        .index("ByReference", {"Tjlh_reference", "Tjlh_date"});
}

TableDef journalLines()
{
    FieldList list;
    list << Int("Tjld_period") << Int("Tjld_journal") << Str("Tjld_reference", 30) << Day("Tjld_date")
         << AutoInc("Tjld_autoinc") << Int("Tjld_account") << Cash("Tjld_debit") << Cash("Tjld_credit")
         << Str("Tjld_description", 60);
    return Table("tjld", list).key({"Tjld_period", "Tjld_journal", "Tjld_reference", "Tjld_date", "Tjld_autoinc"});
}

// The undo removes the lines of one document by reference and date.
TableDef generalLedgerHistory()
{
    FieldList list;
    list << Int("Gla_accnt") << Int("Gla_period") << Int("Gla_jrnl") << Day("Gla_date") << Str("Gla_reference", 20)
         << Cash("Gla_amount") << Str("Gla_type", 1) << Memo("Gla_desc", 200) << AutoInc("Gla_seq");
    return Table("gla", list).key({"Gla_reference", "Gla_date", "Gla_seq"});
}

// A posting adds to the line of the same rate, document, type code and date: one line at most
// has them, so a later note on an invoice never adds into the invoice's line.
TableDef taxReport(std::string name)
{
    FieldList list;
    list << Int("TaxRep_Code") << Str("TaxRep_Reference", 10) << AutoInc("TaxRep_Inc") << Day("TaxRep_Date")
         << Cash("TaxRep_Gross") << Cash("TaxRep_VAT") << Bool("TaxRep_Purchase") << Int("TaxRep_TypeCode");
    return Table(std::move(name), list)
        .key({"TaxRep_Code", "TaxRep_Reference", "TaxRep_Inc"})
        .uniqueIndex("ByCodeReferenceTypeDate", {"TaxRep_Code", "TaxRep_Reference", "TaxRep_TypeCode", "TaxRep_Date"});
}

// The undo finds the bank line of a payment by its kind, reference, payee and date.
TableDef bankReconciliation()
{
    FieldList list;
    list << Int("Concil_type") << Int("Concil_account") << Str("Concil_reference", 10) << AutoInc("Concil_seq")
         << Str("Concil_fou_cli_emp", 10) << Str("Concil_nom", 40) << Day("Concil_date") << Cash("Concil_montant")
         << Bool("Concil_tag");
    return Table("concil", list)
        .key({"Concil_type", "Concil_reference", "Concil_fou_cli_emp", "Concil_date", "Concil_seq"});
}

// One row per session number; a running module keeps its row in edit and uses the amounts as
// scratch values of its screens.
TableDef sessionScratch()
{
    FieldList list;
    list << Int("Session_id") << Bool("Session_lock") << Family("Curr_", 1, 36, asCash);
    return Table("virmem", list).inDataRoot().key({"Session_id"});
}

}  // namespace

namespace subjects {

std::vector<TableDef> ledgerTables()
{
    using layouts::Party;
    return {
        layouts::clientLedger("car"),
        layouts::supplierLedger("cap"),
        layouts::clientLedger("carh"),
        layouts::supplierLedger("caph"),
        layouts::sourceDocuments("arori", Party::Client),
        layouts::sourceDocuments("apori", Party::Supplier),
        layouts::paymentHeaders("crorihdr", Party::Client),
        layouts::paymentDetails("croridet", Party::Client),
        layouts::paymentHeaders("cdorihdr", Party::Supplier),
        layouts::paymentDetails("cdoridet", Party::Supplier),
        journalHeaders(),
        journalLines(),
        generalLedgerHistory(),
        taxReport("taxrep"),
        taxReport("taxrepP"),
        bankReconciliation(),
        sessionScratch(),
    };
}

}  // namespace subjects

}  // namespace orvant::store
