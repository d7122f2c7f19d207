#include "books/distribution.h"

namespace orvant {

Distribution::Distribution(int rows) : rows_(static_cast<std::size_t>(rows)) {}

void Distribution::setAccount(int index, int account, std::string description)
{
    DistributionRow& r = at(index);
    totals_.debit -= r.debit;
    totals_.credit -= r.credit;
    r = {account, std::move(description), Money(), Money()};
}

void Distribution::setDebit(int index, Money amount)
{
    DistributionRow& r = at(index);
    if (!amount.isZero()) {
        totals_.credit -= r.credit;
        r.credit = Money();
    }
    totals_.debit += amount - r.debit;
    r.debit = amount;
}

void Distribution::setCredit(int index, Money amount)
{
    DistributionRow& r = at(index);
    if (!amount.isZero()) {
        totals_.debit -= r.debit;
        r.debit = Money();
    }
    totals_.credit += amount - r.credit;
    r.credit = amount;
}

void Distribution::clear()
{
    for (DistributionRow& r : rows_) r = {};
    totals_ = {};
}

DistributionTotals Distribution::recomputed() const
{
    DistributionTotals t;
    for (const DistributionRow& r : rows_) {
        t.debit += r.debit;
        t.credit += r.credit;
    }
    return t;
}

DistributionTotals JournalTotals(const Distribution& rows)
{
    DistributionTotals totals;
    for (const DistributionRow& row : rows.rows()) {
        if (!row.postsAmount()) continue;
        if (!row.debit.isZero()) totals.debit += row.debit;
        else totals.credit += row.credit;
    }
    return totals;
}

}  // namespace orvant
