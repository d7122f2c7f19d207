// The entries of the inquiries' "Select a field:" lists, each naming its own field.

#include "inquiry/party_filter.h"

namespace orvant::inquiry {

namespace {

using T = FilterFieldType;

// In the order of the client record, from its code to its blocked orders.
constexpr FilterField kClientFields[] = {
    {"Cli_code", T::Text},           {"Cli_name", T::Text},           {"Cli_adr1", T::Text},
    {"Cli_adr2", T::Text},           {"Cli_city", T::Text},           {"Cli_prov", T::Text},
    {"Cli_country", T::Text},        {"Cli_postal_code", T::Text},    {"Cli_tel", T::Text},
    {"Cli_fax", T::Text},            {"Cli_contact", T::Text},        {"Cli_contact_tel", T::Text},
    {"Cli_email", T::Text},          {"Cli_charge_to", T::Text},      {"Cli_salesrep", T::Text},
    {"Cli_terr", T::Text},           {"Cli_language", T::Text},       {"Cli_bank", T::Text},
    {"Cli_bank_manager", T::Text},   {"Cli_bank_tel", T::Text},       {"Cli_terms", T::Integer},
    {"Cli_ship_via", T::Text},       {"Cli_date_created", T::Date},   {"Cli_date_last_sale", T::Date},
    {"Cli_date_last_pmt", T::Date},  {"Cli_tax_fed", T::Boolean},     {"Cli_tax_pro", T::Boolean},
    {"Cli_po_req", T::Boolean},      {"Cli_du_days", T::Integer},     {"Cli_credit_limit", T::Integer},
    {"Cli_price_list", T::Integer},  {"Cli_discount", T::Decimal},    {"Cli_current_bal", T::Money},
    {"Cli_nsf_date", T::Date},       {"Cli_last_sale", T::Money},     {"Cli_sales_mth", T::Money},
    {"Cli_sales_ytd", T::Money},     {"Cli_comments", T::Text},       {"Cli_user", T::Text},
    {"Cli_stamp", T::Stamp},         {"Cli_currency", T::Integer},    {"Cli_credit_hold", T::Boolean},
    {"Cli_block_orders", T::Boolean},
};

// The supplier list names its stamp before its currency, unlike the supplier record.
constexpr FilterField kSupplierFields[] = {
    {"Sup_code", T::Text},              {"Sup_name", T::Text},            {"Sup_adr1", T::Text},
    {"Sup_adr2", T::Text},              {"Sup_city", T::Text},            {"Sup_prov", T::Text},
    {"Sup_country", T::Text},           {"Sup_postal_code", T::Text},     {"Sup_tel", T::Text},
    {"Sup_fax", T::Text},               {"Sup_contact", T::Text},         {"Sup_contact_tel", T::Text},
    {"Sup_email", T::Text},             {"Sup_terr", T::Text},            {"Sup_language", T::Text},
    {"Sup_date_created", T::Date},      {"Sup_date_last_purch", T::Date}, {"Sup_date_last_pmt", T::Date},
    {"Sup_po_req", T::Boolean},         {"Sup_du_days", T::Integer},      {"Sup_credit_limit", T::Integer},
    {"Sup_pmt_discount", T::Decimal},   {"Sup_purch_discount", T::Decimal}, {"Sup_current_bal", T::Money},
    {"Sup_last_purch", T::Money},       {"Sup_purch_mth", T::Money},      {"Sup_purch_ytd", T::Money},
    {"Sup_comments", T::Text},          {"Sup_user", T::Text},            {"Sup_stamp", T::Stamp},
    {"Sup_currency", T::Integer},       {"Sup_bank_account", T::Integer},
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
