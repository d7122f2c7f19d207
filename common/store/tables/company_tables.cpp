// The control record, the master files and the tax tables of a company, with the terms and
// territories that all companies share in the data root.

#include "store/tables/builders.h"
#include "store/tables/subjects.h"

namespace orvant::store::subjects {

using namespace fields;
using namespace build;

namespace {

// Each foreign currency keeps its name, its rate and its sign side by side.
std::vector<FieldDef> foreignCurrencies()
{
    std::vector<FieldDef> out;
    for (int c = 1; c <= 4; ++c) {
        const std::string prefix = "Ctrl_curr" + std::to_string(c);
        out.push_back(Str(prefix + "_name", 30));
        out.push_back(Float(prefix + "_rate"));
        out.push_back(Str(prefix + "_sign", 2));
    }
    return out;
}

void addGeneral(FieldList& list)
{
    list << Int("Ctrl_record_no") << Str("Ctrl_fed_tax_no", 20) << Str("Ctrl_pro_tax_no", 20) << Int("Ctrl_date_fmt")
         << Int("Ctrl_periods") << Int("Ctrl_gl_period") << Int("Ctrl_ar_period") << Int("Ctrl_ap_period")
         << Int("Ctrl_fa_period") << Bool("Ctrl_eom_gl") << Bool("Ctrl_eom_ar") << Bool("Ctrl_eom_ap")
         << Bool("Ctrl_eom_fa") << Bool("Ctrl_eom_pa") << Float("Ctrl_fed_rate")
         << Family("Ctrl_pro_rate", 1, 10, asFloat) << Day("Ctrl_payroll_start_date");
}

void addReceivables(FieldList& list)
{
    list << Int("Ctrl_ar_accnt") << Int("Ctrl_Pro_tax_accnt") << Int("Ctrl_fed_tax_accnt")
         << Family("Ctrl_sales_accnt", 1, 8, asInt) << Family("Ctrl_cr_accnt", 1, 8, asInt) << Int("Ctrl_ar_bal_for")
         << Bool("Ctrl_ar_histo") << Int("Ctrl_ar_invoiceno") << Family("Ctrl_bank_accnt", 1, 5, asInt)
         << Family("Ctrl_ar_days", 1, 5, asInt) << Family("Ctrl_ar_dname", 1, 5, asText(12));
}

void addPayables(FieldList& list)
{
    list << Int("Ctrl_ap_accnt") << Family("Ctrl_ap_purch_accnt", 1, 8, asInt)
         << Family("Ctrl_ap_disb_accnt", 1, 8, asInt) << Family("Ctrl_ap_days", 1, 5, asInt)
         << Family("Ctrl_ap_dname", 1, 5, asText(12)) << Bool("Ctrl_ap_histo") << Family("Ctrl_ap_chqno", 1, 5, asInt);
}

void addInvoicingAndCurrencies(FieldList& list)
{
    list << Int("Ctrl_fa_invoice") << Int("Ctrl_fa_order") << Int("Ctrl_fa_quote") << Int("Ctrl_fa_backorder")
         << Family("Ctrl_pl_name", 1, 5, asText(15)) << Str("Ctrl_alt_key1", 15) << Str("Ctrl_alt_key2", 15)
         << Family("Ctrl_pmt_name", 1, 10, asText(15)) << Family("Ctrl_pmt_accnt", 1, 10, asInt)
         << Int("Ctrl_general_sales_accnt") << foreignCurrencies() << Family("Ctrl_ar_curr", 2, 5, asInt)
         << Family("Ctrl_ap_curr", 2, 5, asInt);
}

void addMiscellaneous(FieldList& list)
{
    list << Int("Ctrl_recuring_doc") << Float("Ctrl_pro_rate02") << Family("Ctrl_pro_tax_accnt", 1, 9, asInt)
         << Int("Ctrl_ApCopies") << Int("Ctrl_ArCopies") << Family("Ctrl_cash", 1, 10, asInt)
         << Family("Ctrl_cents", 1, 5, asText(20)) << Family("Ctrl_dollars", 1, 5, asText(20))
         << Family("Ctrl_desc", 1, 10, asText(30)) << Bool("Ctrl_IncludeAp") << Bool("Ctrl_Manual_Numbering")
         << Bool("Ctrl_Manual_Numbering_O") << Bool("Ctrl_Manual_Numbering_Q") << Int("Ctrl_TaxSystem");
}

// One record, read without a key.
TableDef control()
{
    FieldList list;
    addGeneral(list);
    addReceivables(list);
    addPayables(list);
    addInvoicingAndCurrencies(list);
    addMiscellaneous(list);
    return Table("ctrl", list);
}

void addClientIdentity(FieldList& list)
{
    list << Str("Cli_code", 10, Req) << Str("Cli_name", 60) << Str("Cli_adr1", 40) << Str("Cli_adr2", 40)
         << Str("Cli_city", 40) << Str("Cli_prov", 40) << Str("Cli_country", 40) << Str("Cli_postal_code", 30)
         << Str("Cli_tel", 30) << Str("Cli_fax", 30) << Str("Cli_contact", 40) << Str("Cli_contact_tel", 30)
         << Str("Cli_email", 60) << Str("Cli_charge_to", 12) << Str("Cli_salesrep", 12) << Str("Cli_terr", 12)
         << Str("Cli_language", 1) << Str("Cli_bank", 40) << Str("Cli_bank_manager", 40) << Str("Cli_bank_tel", 30);
}

void addClientAccount(FieldList& list)
{
    list << Int("Cli_terms") << Memo("Cli_ship_via", 40) << Day("Cli_date_created") << Day("Cli_date_last_sale")
         << Day("Cli_date_last_pmt") << Bool("Cli_tax_fed") << Bool("Cli_tax_pro") << Bool("Cli_po_req")
         << Int("Cli_du_days") << Int("Cli_credit_limit") << Int("Cli_price_list") << Float("Cli_discount")
         << Cash("Cli_current_bal") << Day("Cli_nsf_date") << Cash("Cli_last_sale") << Cash("Cli_sales_mth")
         << Cash("Cli_sales_ytd") << Memo("Cli_comments", 200) << UserName("Cli_user") << Stamp("Cli_stamp")
         << Int("Cli_currency");
}

// Fields that only client maintenance declares.
void addClientMaintenance(FieldList& list)
{
    list << Bool("Cli_credit_hold") << Bool("Cli_block_orders") << Bool("Cli_email_statement")
         << Bool("Cli_email_invoice") << Family("Cli_accnt", 1, 3, asInt) << Int("Cli_copies")
         << Family("Cli_format", 1, 3, asText(40)) << Int("Cli_AvgDaysPay") << Int("Cli_AvgNumInvoices")
         << Family("Cli_tax", 3, 12, asBool);
}

TableDef clients()
{
    FieldList list;
    addClientIdentity(list);
    addClientAccount(list);
    addClientMaintenance(list);
    return Table("cli", list).key({"Cli_code"}).index("clislsm", {"Cli_salesrep", "Cli_code"});  // aging by sales rep
}

TableDef suppliers()
{
    FieldList list;
    list << Str("Sup_code", 10, Req) << Str("Sup_name", 60) << Str("Sup_adr1", 40) << Str("Sup_adr2", 40)
         << Str("Sup_city", 40) << Str("Sup_prov", 40) << Str("Sup_country", 40) << Str("Sup_postal_code", 30)
         << Str("Sup_tel", 30) << Str("Sup_fax", 30) << Str("Sup_contact", 40) << Str("Sup_contact_tel", 30)
         << Str("Sup_email", 60) << Str("Sup_terr", 12) << Str("Sup_language", 1) << Day("Sup_date_created")
         << Day("Sup_date_last_purch") << Day("Sup_date_last_pmt") << Bool("Sup_po_req") << Int("Sup_du_days")
         << Int("Sup_credit_limit") << Float("Sup_pmt_discount") << Float("Sup_purch_discount")
         << Cash("Sup_current_bal") << Cash("Sup_last_purch") << Cash("Sup_purch_mth") << Cash("Sup_purch_ytd")
         << Memo("Sup_comments", 200) << UserName("Sup_user") << Stamp("Sup_stamp") << Int("Sup_currency")
         << Int("Sup_bank_account") << Bool("Sup_email_po") << Family("Sup_accnt", 1, 3, asInt) << Int("Sup_copies");
    return Table("sup", list).key({"Sup_code"});
}

TableDef accounts()
{
    FieldList list;
    list << Int("Glm_account", Req) << Str("Glm_Description", 60, Req) << Str("Glm_type", 15)
         << Str("Glm_summarize", 1, Req) << Family("Glm_budget", 1, 14, asCash) << Family("Glm_current", 1, 14, asCash)
         << Family("Glm_ly", 1, 14, asCash) << UserName("Glm_user") << Stamp("Glm_stamp") << Int("Glm_currency");
    return Table("glm", list).key({"Glm_account"});
}

// Postings find a rate by its tax account, and the tax report finds it again by its description.
TableDef taxRates(std::string name)
{
    FieldList list;
    list << Int("TaxRates_Code") << Str("TaxRates_Description", 40) << Float("TaxRates_Rate")
         << Int("TaxRates_Account");
    return Table(std::move(name), list)
        .key({"TaxRates_Code"})
        .index("ByAccount", {"TaxRates_Account"})
        .index("ByDescription", {"TaxRates_Description"});
}

TableDef periods() { return Table("Periods", FieldList{Int("Period_no"), Str("Period_mth", 20)}).key({"Period_no"}); }

TableDef salesmen()
{
    return Table("slsm", FieldList{Str("Slsm_code", 10), Str("Slsm_nom", 40), Float("Slsm_taux1")}).key({"Slsm_code"});
}

TableDef terms()
{
    return Table("arterms", FieldList{Int("Arterms_code"), Str("Arterms_desc", 40), Int("Arterms_days")})
        .inDataRoot()
        .key({"Arterms_code"});
}

TableDef territories()
{
    return Table("arterr", FieldList{Str("Arterr_code", 3), Str("Arterr_desc", 40)}).inDataRoot().key({"Arterr_code"});
}

// Invoicing control record: the names of the price lists beyond the five of the control record.
TableDef invoicingControl() { return Table("ivctrl", FieldList{} << Family("Ivctrl_pl_name", 6, 9, asText(15))); }

TableDef invoiceFormats() { return Table("Fafrm1", FieldList{AutoInc("Number"), Str("Name", 40)}).key({"Number"}); }

// The payroll's employees, as far as the launcher's list of employees shows them.
TableDef employees()
{
    FieldList list;
    list << Str("Emp_Code", 10) << Str("Emp_Name", 60) << Str("Emp_Telephone", 30) << Str("Emp_Adr1", 40)
         << Str("Emp_Adr2", 40) << Str("Emp_City", 40) << Str("Emp_province", 40) << Str("Emp_Postal_code", 30)
         << Str("Emp_Occupation", 40);
    return Table("emp", list).key({"Emp_Code"});
}

}  // namespace

std::vector<TableDef> companyTables()
{
    return {control(),  clients(),  suppliers(), accounts(),    taxRates("taxrates"), taxRates("taxratesP"),
            periods(),  salesmen(), terms(),     territories(), invoicingControl(),   invoiceFormats(),
            employees()};
}

}  // namespace orvant::store::subjects
