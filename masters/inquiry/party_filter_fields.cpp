// The entries of the inquiries' "Select a field:" lists, each naming its own field.

#include "inquiry/party_filter.h"

namespace orvant::inquiry {

namespace {

using T = FilterFieldType;

// In the order of the client record, from its code to its blocked orders.
constexpr FilterField kClientFields[] = {
    {"Cli_code", T::Text, "Client code"},
    {"Cli_name", T::Text, "Client name"},
    {"Cli_adr1", T::Text, "Address 1"},
    {"Cli_adr2", T::Text, "Address 2"},
    {"Cli_city", T::Text, "City"},
    {"Cli_prov", T::Text, "Province"},
    {"Cli_country", T::Text, "Country"},
    {"Cli_postal_code", T::Text, "Postal code"},
    {"Cli_tel", T::Text, "Telephone"},
    {"Cli_fax", T::Text, "Fax"},
    {"Cli_contact", T::Text, "Contact"},
    {"Cli_contact_tel", T::Text, "Contact telephone"},
    {"Cli_email", T::Text, "E-mail"},
    {"Cli_charge_to", T::Text, "Bill to"},
    {"Cli_salesrep", T::Text, "Sales rep."},
    {"Cli_terr", T::Text, "Territory"},
    {"Cli_language", T::Text, "Language"},
    {"Cli_bank", T::Text, "Bank"},
    {"Cli_bank_manager", T::Text, "Bank manager"},
    {"Cli_bank_tel", T::Text, "Bank telephone"},
    {"Cli_terms", T::Integer, "Terms"},
    {"Cli_ship_via", T::Text, "Ship via"},
    {"Cli_date_created", T::Date, "Date created"},
    {"Cli_date_last_sale", T::Date, "Date last sale"},
    {"Cli_date_last_pmt", T::Date, "Date last payment"},
    {"Cli_tax_fed", T::Boolean, "Charge G.S.T./H.S.T."},
    {"Cli_tax_pro", T::Boolean, "Charge P.S.T."},
    {"Cli_po_req", T::Boolean, "PO required"},
    {"Cli_du_days", T::Integer, "Due days"},
    {"Cli_credit_limit", T::Integer, "Credit limit"},
    {"Cli_price_list", T::Integer, "Price list"},
    {"Cli_discount", T::Decimal, "Discount %"},
    {"Cli_current_bal", T::Money, "Current balance"},
    {"Cli_nsf_date", T::Date, "Date last NSF cheque"},
    {"Cli_last_sale", T::Money, "Last invoice"},
    {"Cli_sales_mth", T::Money, "Sales MTD"},
    {"Cli_sales_ytd", T::Money, "Sales YTD"},
    {"Cli_comments", T::Text, "Comments"},
    {"Cli_user", T::Text, "User"},
    {"Cli_stamp", T::Stamp, "Stamp"},
    {"Cli_currency", T::Integer, "Currency"},
    {"Cli_credit_hold", T::Boolean, "Credit hold"},
    {"Cli_block_orders", T::Boolean, "Block Orders"},
};

// The supplier list names its stamp before its currency, unlike the supplier record.
constexpr FilterField kSupplierFields[] = {
    {"Sup_code", T::Text, "Supplier code"},
    {"Sup_name", T::Text, "Supplier name"},
    {"Sup_adr1", T::Text, "Address 1"},
    {"Sup_adr2", T::Text, "Address 2"},
    {"Sup_city", T::Text, "City"},
    {"Sup_prov", T::Text, "Province"},
    {"Sup_country", T::Text, "Country"},
    {"Sup_postal_code", T::Text, "Postal code"},
    {"Sup_tel", T::Text, "Telephone"},
    {"Sup_fax", T::Text, "Fax"},
    {"Sup_contact", T::Text, "Contact"},
    {"Sup_contact_tel", T::Text, "Contact telephone"},
    {"Sup_email", T::Text, "E-mail"},
    {"Sup_terr", T::Text, "Territory"},
    {"Sup_language", T::Text, "Language"},
    {"Sup_date_created", T::Date, "Date created"},
    {"Sup_date_last_purch", T::Date, "Date last purchase"},
    {"Sup_date_last_pmt", T::Date, "Date last payment"},
    {"Sup_po_req", T::Boolean, "PO required"},
    {"Sup_du_days", T::Integer, "Due days"},
    {"Sup_credit_limit", T::Integer, "Credit limit"},
    {"Sup_pmt_discount", T::Decimal, "Payment discount"},
    {"Sup_purch_discount", T::Decimal, "Purchase discount"},
    {"Sup_current_bal", T::Money, "Current balance"},
    {"Sup_last_purch", T::Money, "Last purchase"},
    {"Sup_purch_mth", T::Money, "Purchases MTD"},
    {"Sup_purch_ytd", T::Money, "Purchases YTD"},
    {"Sup_comments", T::Text, "Comments"},
    {"Sup_user", T::Text, "User"},
    {"Sup_stamp", T::Stamp, "Stamp"},
    {"Sup_currency", T::Integer, "Currency"},
    {"Sup_bank_account", T::Integer, "Bank account"},
};

static_assert(std::size(kClientFields) == 43);
static_assert(std::size(kSupplierFields) == 32);

}  // namespace

std::span<const FilterField> FilterFields(PartyKind kind)
{
    if (kind == PartyKind::Client) return kClientFields;
    return kSupplierFields;
}

}  // namespace orvant::inquiry
