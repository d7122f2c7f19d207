#pragma once
// What the two grids of a payment screen (cash receipts, cash disbursements) show: the party's
// open items with the payment typed on each, and the distribution's lines with their totals.
// The screen's logic gives it; the grids hold no state of their own.

#include <string>

#include "books/distribution.h"
#include "dates/date.h"
#include "money/money.h"

namespace orvant::sidedialogs {

// An open item as its row of the grid shows it.
struct OpenItemShown {
    std::string invoice;  // a holdback's with the holdback prefix
    Date date, dueDate;
    Money amount, payment;
};

class PaymentGridSource {
public:
    virtual int itemCount() const = 0;
    virtual OpenItemShown itemShown(int item) const = 0;
    // The distribution's lines on the grid: those set at the reset and those added since.
    virtual int lineCount() const = 0;
    virtual const DistributionRow& line(int row) const = 0;
    virtual DistributionTotals lineTotals() const = 0;

protected:
    ~PaymentGridSource() = default;
};

}  // namespace orvant::sidedialogs
