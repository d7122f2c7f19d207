#pragma once
// A holdback on a sale: part of what the client owes is held back until the work is accepted.
// The receivable rows (and, when the taxes are held back too, the tax rows) lose the percent of
// their amount, rounded to cents; the holdback rows take the sum of what was actually taken
// off, so the document stays balanced whatever the number of rows and the rounding:
//   row 13, the receivable holdback account, on the receivable side;
//   rows 14 and 15, the federal and provincial tax holdback accounts, on the other side.

#include <optional>
#include <vector>

#include "books/control_account_table.h"
#include "dates/date.h"
#include "books/distribution.h"

namespace orvant {

enum class HoldbackChoice {
    TaxesBeforeHoldback = 0,  // only the receivable rows are held back
    HoldbackOnTaxes = 1,      // the tax rows too, when both tax holdback accounts exist
};

// What the holdback dialog answers: the percent held back (0: none), the due date of the amount
// held back, and the choice.
struct HoldbackAnswer {
    double percent = 0;
    Date dueDate;
    HoldbackChoice choice = HoldbackChoice::TaxesBeforeHoldback;
};

struct HoldbackAccounts {
    int receivable = 0;             // the receivable holdback account
    std::optional<int> federalTax;  // the tax holdback accounts, when they exist in the chart
    std::optional<int> provincialTax;
};

struct HoldbackTaxAccounts {
    int federal = 0;              // the federal tax account of the rows
    std::vector<int> provincial;  // every account that takes provincial tax
};

struct HoldbackResult {
    enum Status { Applied, Nothing, BothSides, NoBase } status = Nothing;
    // Signed as written: positive when the receivable side is the debit.
    Money receivable, federalTax, provincialTax;
};

inline constexpr int kHoldbackRow = 12;  // row 13; rows 14 and 15 follow

// Applies `percent` to the distribution. Nothing when the percent or the amount held back is 0;
// refused (and nothing changed) when the receivable rows are on both sides or their total is not
// positive.
HoldbackResult ApplyHoldback(Distribution& distribution, double percent, HoldbackChoice choice, const HoldbackAccounts& accounts,
                             const HoldbackTaxAccounts& taxes, const ControlAccountTable& receivables);

}  // namespace orvant
