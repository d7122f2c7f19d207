#pragma once
// A supplier as the postings read it, and what a posting changes on the supplier's record: its
// balance and its purchase statistics, or its last payment. The record is the one the posting
// holds in edit under its lock; the changes are written when the posting posts it. Suppliers
// have no credit hold.

#include <array>
#include <string>

#include "dates/date.h"
#include "money/money.h"
#include "store/table.h"

namespace orvant {

struct SupplierFacts {
    std::string code, name, address1, address2, city, province, postalCode, email;
    int currency = 0;
    int dueDays = 0;
    int bankAccount = 0;  // the bank account the supplier is paid from; 0: none
    std::array<int, 3> expenseAccounts{};  // the supplier's own accounts for rows 2 to 4; 0: none
};

// The supplier on which `suppliers` stands.
SupplierFacts ReadSupplier(store::Table& suppliers);

// Changes on the supplier record in edit; the caller posts it.
class SupplierRecord {
public:
    explicit SupplierRecord(store::Table& suppliers) : suppliers_(suppliers) {}

    void moveBalance(Money change);
    // A purchase of `amount`: the date of the last purchase; the last purchase, the month's and
    // the year's purchases each increased by it.
    void recordPurchase(Date date, Money amount);
    // A payment made on `date`, moving the balance by `balanceChange`.
    void recordPayment(Date date, Money balanceChange);

private:
    Money field(const char* name);

    store::Table& suppliers_;
};

}  // namespace orvant
