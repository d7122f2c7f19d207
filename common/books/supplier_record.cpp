#include "books/supplier_record.h"

namespace orvant {

namespace {

int intOf(store::Table& table, const std::string& field) { return static_cast<int>(table.field(field).asInt()); }

}  // namespace

SupplierFacts ReadSupplier(store::Table& suppliers)
{
    SupplierFacts supplier;
    supplier.code = suppliers.field("Sup_code").asString();
    supplier.name = suppliers.field("Sup_name").asString();
    supplier.address1 = suppliers.field("Sup_adr1").asString();
    supplier.address2 = suppliers.field("Sup_adr2").asString();
    supplier.city = suppliers.field("Sup_city").asString();
    supplier.province = suppliers.field("Sup_prov").asString();
    supplier.postalCode = suppliers.field("Sup_postal_code").asString();
    supplier.email = suppliers.field("Sup_email").asString();
    supplier.currency = intOf(suppliers, "Sup_currency");
    supplier.dueDays = intOf(suppliers, "Sup_du_days");
    supplier.bankAccount = intOf(suppliers, "Sup_bank_account");
    for (int i = 0; i < 3; ++i)
        supplier.expenseAccounts[static_cast<std::size_t>(i)] = intOf(suppliers, "Sup_accnt" + std::to_string(i + 1));
    return supplier;
}

Money SupplierRecord::field(const char* name) { return suppliers_.field(name).asMoney(); }

void SupplierRecord::moveBalance(Money change) { suppliers_.field("Sup_current_bal") = field("Sup_current_bal") + change; }

void SupplierRecord::recordPurchase(Date date, Money amount)
{
    suppliers_.field("Sup_date_last_purch") = date;
    suppliers_.field("Sup_last_purch") = field("Sup_last_purch") + amount;
    suppliers_.field("Sup_purch_mth") = field("Sup_purch_mth") + amount;
    suppliers_.field("Sup_purch_ytd") = field("Sup_purch_ytd") + amount;
}

void SupplierRecord::recordPayment(Date date, Money balanceChange)
{
    moveBalance(balanceChange);
    suppliers_.field("Sup_date_last_pmt") = date;
}

}  // namespace orvant
