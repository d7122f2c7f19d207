#pragma once
// A holdback on a sale: part of what the client owes is held back until the work is accepted.
// What is held back is worked out once for the whole document, from the percent (rounded once
// to cents) or to the cent from the amount typed, then shared out over the receivable rows
// (and, when the taxes are held back too, the tax rows), each row giving up its share in its
// own column. The holdback rows take what their rows gave up, in the same column, so the
// document stays balanced whatever the number of rows, the rounding or the sides:
//   row 13, the receivable holdback account, on the receivable side;
//   rows 14 and 15, the federal and provincial tax holdback accounts, on their tax rows' side.

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
// held back, the choice, and the amount when one was settled on: then it is held back to the
// cent and the percent only says what part of the base it is.
struct HoldbackAnswer {
    double percent = 0;
    Date dueDate;
    HoldbackChoice choice = HoldbackChoice::TaxesBeforeHoldback;
    std::optional<Money> amount;

    bool holdsBack() const { return amount ? *amount > Money() : percent > 0; }
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

// A document's amounts by kind of account, from its rows with a positive amount; an account
// counts as federal tax, else provincial tax, else receivable.
struct HoldbackBasis {
    Money receivable, federalTax, provincialTax;
    Money net() const { return receivable - federalTax - provincialTax; }
};

HoldbackBasis HoldbackBasisOf(const Distribution& distribution, const HoldbackTaxAccounts& taxes,
                              const ControlAccountTable& receivables);

// What the percent is taken of: the whole receivable (net and taxes) when the taxes are
// calculated before the holdback, the net alone when they are held back too. Nothing can be
// held back from a base of 0 or less. The dialog and the posting both go by it.
Money HoldbackBase(const HoldbackBasis& basis, HoldbackChoice choice);

struct HoldbackResult {
    // BothSides: the receivable rows are debits and credits; NoBase: the base is 0 or less;
    // TooMuch: the amount is more than the base.
    enum Status { Applied, Nothing, BothSides, NoBase, TooMuch } status = Nothing;
    // As written: the receivable positive when row 13 is a debit, the taxes positive when their
    // rows are credits.
    Money receivable, federalTax, provincialTax;
};

inline constexpr int kHoldbackRow = 12;  // row 13; rows 14 and 15 follow

// Applies the answer to the distribution. Nothing when the percent or the amount held back is
// 0; refused (and nothing changed) when it cannot be taken.
HoldbackResult ApplyHoldback(Distribution& distribution, const HoldbackAnswer& answer, const HoldbackAccounts& accounts,
                             const HoldbackTaxAccounts& taxes, const ControlAccountTable& receivables);

}  // namespace orvant
