#include "ledger_rows.h"

#include <cstdio>

namespace orvant::bench {
namespace {

const Date kFirstDay = *Date::fromYmd(2024, 1, 1);

std::string numbered(const char* prefix, std::int64_t number, int digits)
{
    char text[24];
    std::snprintf(text, sizeof text, "%s%0*lld", prefix, digits, static_cast<long long>(number));
    return text;
}

// Eight entries per client, two per invoice: the invoice itself and the payment that settles it.
std::string clientCode(std::int64_t n) { return numbered("C", n / 8, 6); }
std::string invoiceNumber(std::int64_t n) { return numbered("I", n / 2, 7); }

}  // namespace

LedgerRow ledgerRow(std::int64_t n)
{
    const bool payment = n % 2 == 1;
    const std::int64_t amount = (1000 + n % 997 * 37) * 100;
    LedgerRow row;
    row.client = clientCode(n);
    row.invoice = invoiceNumber(n);
    row.reference = numbered(payment ? "P" : "F", n, 7);
    row.date = kFirstDay.addDays(static_cast<int>(n / 2 % 700));
    row.type = payment ? "P" : "I";
    row.dueDate = row.date.addDays(30);
    row.amount = payment ? -amount : amount;
    row.memo = payment ? "Cheque received, thank you" : "Monthly service as agreed, see attached statement";
    row.salesman = numbered("S", n % 12, 3);
    row.provincialTax = row.amount / 10;
    row.federalTax = row.amount / 20;
    row.user = "bench";
    row.stamp = DateTime(row.date, static_cast<std::int32_t>(n % 86'400'000));
    return row;
}

std::vector<LedgerRow> ledgerRows(std::int64_t first, std::int64_t count)
{
    std::vector<LedgerRow> rows;
    rows.reserve(static_cast<std::size_t>(count));
    for (std::int64_t n = first; n < first + count; ++n) rows.push_back(ledgerRow(n));
    return rows;
}

LedgerKey ledgerKey(std::int64_t n) { return {clientCode(n), invoiceNumber(n), n + 1}; }

}  // namespace orvant::bench
