#pragma once
// The distribution of a document: its rows of account, description, debit and credit, and the
// running totals of both columns. A row holds a debit or a credit, never both: an amount typed
// in one column clears the other. The totals are kept in the money type, so a document whose
// rows balance shows equal totals to the ten-thousandth; `recomputed` gives them from the rows,
// for the check at Accept.

#include <string>
#include <vector>

#include "money/money.h"

namespace orvant {

struct DistributionRow {
    int account = 0;  // 0: no account
    std::string description;
    Money debit, credit;

    bool isEmpty() const { return account == 0 && debit.isZero() && credit.isZero(); }
    // A row the journal gets a line for: an account and an amount.
    bool postsAmount() const { return account != 0 && !(debit.isZero() && credit.isZero()); }
};

struct DistributionTotals {
    Money debit, credit;
    bool balanced() const { return debit == credit; }
    friend bool operator==(const DistributionTotals&, const DistributionTotals&) = default;
};

class Distribution {
public:
    explicit Distribution(int rows);

    int rowCount() const { return static_cast<int>(rows_.size()); }
    const DistributionRow& row(int index) const { return rows_.at(static_cast<std::size_t>(index)); }
    const std::vector<DistributionRow>& rows() const { return rows_; }

    // A new account for the row: its amounts are zeroed (and leave the totals).
    void setAccount(int index, int account, std::string description);
    void setDescription(int index, std::string description) { at(index).description = std::move(description); }
    // An amount in one column: a non-zero amount clears the other column of the row.
    void setDebit(int index, Money amount);
    void setCredit(int index, Money amount);
    // Every row emptied, the totals back to 0.
    void clear();

    const DistributionTotals& totals() const { return totals_; }
    // The totals as the rows give them.
    DistributionTotals recomputed() const;

private:
    DistributionRow& at(int index) { return rows_.at(static_cast<std::size_t>(index)); }

    std::vector<DistributionRow> rows_;
    DistributionTotals totals_;
};

// The totals of the journal lines the rows make: each posting row's debit, or its credit when
// it has no debit.
DistributionTotals JournalTotals(const Distribution& rows);

}  // namespace orvant
