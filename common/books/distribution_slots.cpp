#include "books/distribution_slots.h"

#include <string>

namespace orvant {

namespace {

int fieldNumber(store::Table& record, const std::string& name)
{
    const int number = record.fieldIndex(name);
    if (number < 0) record.field(name);  // throws the store's error for a field the record lacks
    return number;
}

}  // namespace

void DistributionSlots::set(int slot, int account, Money debit, Money credit)
{
    while (static_cast<int>(fields_.size()) < slot) {
        const std::string n = std::to_string(fields_.size() + 1);
        fields_.push_back({fieldNumber(record_, "Account" + n), fieldNumber(record_, "Debit" + n), fieldNumber(record_, "Credit" + n)});
    }
    const auto& [accountField, debitField, creditField] = fields_.at(static_cast<std::size_t>(slot - 1));
    record_.field(accountField) = account;
    record_.field(debitField) = debit;
    record_.field(creditField) = credit;
}

void DistributionSlots::setAll(const Distribution& rows)
{
    for (int i = 0; i < rows.rowCount(); ++i) set(i + 1, rows.row(i).account, rows.row(i).debit, rows.row(i).credit);
}

}  // namespace orvant
