#include "books/client_record.h"

namespace orvant {

namespace {

int intOf(store::Table& table, const std::string& field) { return static_cast<int>(table.field(field).asInt()); }

}  // namespace

ClientFacts ReadClient(store::Table& clients)
{
    ClientFacts client;
    client.code = clients.field("Cli_code").asString();
    client.name = clients.field("Cli_name").asString();
    client.address1 = clients.field("Cli_adr1").asString();
    client.address2 = clients.field("Cli_adr2").asString();
    client.city = clients.field("Cli_city").asString();
    client.province = clients.field("Cli_prov").asString();
    client.postalCode = clients.field("Cli_postal_code").asString();
    client.email = clients.field("Cli_email").asString();
    client.salesRep = clients.field("Cli_salesrep").asString();
    client.currency = intOf(clients, "Cli_currency");
    client.creditHold = clients.field("Cli_credit_hold").asBool();
    client.dueDays = intOf(clients, "Cli_du_days");
    for (int i = 0; i < 3; ++i) client.salesAccounts[static_cast<std::size_t>(i)] = intOf(clients, "Cli_accnt" + std::to_string(i + 1));
    return client;
}

Money ClientRecord::field(const char* name) { return clients_.field(name).asMoney(); }

void ClientRecord::moveBalance(Money change) { clients_.field("Cli_current_bal") = field("Cli_current_bal") + change; }

void ClientRecord::recordSale(Date date, Money amount)
{
    clients_.field("Cli_date_last_sale") = date;
    clients_.field("Cli_last_sale") = amount;
    clients_.field("Cli_sales_mth") = field("Cli_sales_mth") + amount;
    clients_.field("Cli_sales_ytd") = field("Cli_sales_ytd") + amount;
}

void ClientRecord::recordPayment(const ClientPayment& payment)
{
    moveBalance(payment.balanceChange);
    clients_.field("Cli_date_last_pmt") = payment.date;
    clients_.field("Cli_AvgDaysPay") = clients_.field("Cli_AvgDaysPay").asInt() + payment.days;
    clients_.field("Cli_AvgNumInvoices") = clients_.field("Cli_AvgNumInvoices").asInt() + payment.invoices;
    if (payment.nsfCheque) {
        clients_.field("Cli_nsf_date") = payment.date;
        return;
    }
    const std::int64_t limit = clients_.field("Cli_credit_limit").asInt();
    if (limit != 0 && field("Cli_current_bal") < Money::fromUnits(limit)) clients_.field("Cli_credit_hold") = false;
}

}  // namespace orvant
