#pragma once
// The distribution a document or history record keeps: slot N holds an account with its debit
// and credit, in the record's fields AccountN, DebitN and CreditN. The fields are found by name
// once, when a slot is first written, not at every record.

#include <array>
#include <vector>

#include "books/distribution.h"
#include "money/money.h"
#include "store/table.h"

namespace orvant {

class DistributionSlots {
public:
    explicit DistributionSlots(store::Table& record) : record_(record) {}

    // Slot `slot` (from 1) of the record being written.
    void set(int slot, int account, Money debit, Money credit);
    // Every row of `rows` into the slot of its number.
    void setAll(const Distribution& rows);

private:
    store::Table& record_;
    std::vector<std::array<int, 3>> fields_;  // slot - 1: the field numbers of account, debit, credit
};

}  // namespace orvant
