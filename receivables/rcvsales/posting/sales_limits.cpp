#include "sales_limits.h"

namespace orvant::sales {

namespace {

const Refusal kPastTheLimit{kBeyondBooksLimit, SalesField::Totals};

}  // namespace

std::optional<Refusal> CheckRowsWithinBooks(const Distribution& rows)
{
    std::optional<Money> debits = Money(), credits = Money();
    for (const DistributionRow& row : rows.rows()) {
        if (debits) debits = CheckedAdd(*debits, row.debit);
        if (credits) credits = CheckedAdd(*credits, row.credit);
    }
    if (!debits || !credits) return kPastTheLimit;
    return std::nullopt;
}

Money ClientOwes(const Distribution& rows, Money heldBack, const ControlAccountTable& receivables)
{
    Money owed = heldBack;
    for (const DistributionRow& row : rows.rows())
        if (receivables.isControlAccount(row.account)) owed += row.debit - row.credit;
    return owed;
}

std::optional<Refusal> CheckClientWithinBooks(store::Table& clients, SalesType type, Money owed)
{
    const auto fits = [&](const char* field) { return CheckedAdd(clients.field(field).asMoney(), owed).has_value(); };
    if (!fits("Cli_current_bal")) return kPastTheLimit;
    if (type == SalesType::Sale && (!fits("Cli_sales_mth") || !fits("Cli_sales_ytd"))) return kPastTheLimit;
    return std::nullopt;
}

}  // namespace orvant::sales
