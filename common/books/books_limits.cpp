#include "books/books_limits.h"

namespace orvant {

bool RowsWithinBooks(const Distribution& rows)
{
    std::optional<Money> debits = Money(), credits = Money();
    for (const DistributionRow& row : rows.rows()) {
        if (debits) debits = CheckedAdd(*debits, row.debit);
        if (credits) credits = CheckedAdd(*credits, row.credit);
    }
    return debits && credits;
}

bool FieldsWithinBooks(store::Table& table, std::initializer_list<const char*> fields, Money change)
{
    for (const char* field : fields)
        if (!CheckedAdd(table.field(field).asMoney(), change)) return false;
    return true;
}

}  // namespace orvant
