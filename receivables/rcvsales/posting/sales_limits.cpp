#include "sales_limits.h"

#include "books/books_limits.h"

namespace orvant::sales {

namespace {

const Refusal kPastTheLimit{kBeyondBooksLimit, SalesField::Totals};

}  // namespace

std::optional<Refusal> CheckRowsWithinBooks(const Distribution& rows)
{
    if (!RowsWithinBooks(rows)) return kPastTheLimit;
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
    if (!FieldsWithinBooks(clients, {"Cli_current_bal"}, owed)) return kPastTheLimit;
    if (type == SalesType::Sale && !FieldsWithinBooks(clients, {"Cli_sales_mth", "Cli_sales_ytd"}, owed)) return kPastTheLimit;
    return std::nullopt;
}

}  // namespace orvant::sales
