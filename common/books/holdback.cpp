#include "books/holdback.h"

#include <algorithm>

namespace orvant {

namespace {

// The amount of a row, from the column it is in.
Money amountOf(const DistributionRow& row) { return row.debit.isZero() ? row.credit : row.debit; }

// Takes the percent off the row's amount, in its own column; returns what was taken.
Money reduce(Distribution& d, int index, double percent)
{
    const DistributionRow& row = d.row(index);
    const bool debit = row.debit > Money();
    const Money taken = RoundMoney(amountOf(row).percent(percent));
    if (debit) d.setDebit(index, row.debit - taken);
    else d.setCredit(index, row.credit - taken);
    return taken;
}

// The receivable rows' side, or nothing when they are on both.
std::optional<bool> receivableSideIsDebit(const Distribution& d, const ControlAccountTable& receivables, Money& base)
{
    bool debit = false, credit = false;
    for (const DistributionRow& row : d.rows()) {
        if (!receivables.isControlAccount(row.account)) continue;
        debit = debit || row.debit > Money();
        credit = credit || row.credit > Money();
        base += row.debit + row.credit;
    }
    if (debit && credit) return std::nullopt;
    return debit;
}

bool isOneOf(int account, const std::vector<int>& accounts)
{
    return std::find(accounts.begin(), accounts.end(), account) != accounts.end();
}

}  // namespace

HoldbackResult ApplyHoldback(Distribution& d, double percent, HoldbackChoice choice, const HoldbackAccounts& accounts,
                             const HoldbackTaxAccounts& taxes, const ControlAccountTable& receivables)
{
    HoldbackResult result;
    if (percent <= 0) return result;
    Money base;
    const std::optional<bool> debitSide = receivableSideIsDebit(d, receivables, base);
    if (!debitSide) return {HoldbackResult::BothSides, {}, {}, {}};
    if (base <= Money()) return {HoldbackResult::NoBase, {}, {}, {}};
    // Both tax holdback accounts are needed to hold the taxes back; else only the receivable.
    const bool onTaxes = choice == HoldbackChoice::HoldbackOnTaxes && accounts.federalTax && accounts.provincialTax;

    Money receivable, federal, provincial;
    for (int i = 0; i < d.rowCount(); ++i) {
        const int account = d.row(i).account;
        if (receivables.isControlAccount(account)) receivable += reduce(d, i, percent);
        else if (onTaxes && account != 0 && account == taxes.federal) federal += reduce(d, i, percent);
        else if (onTaxes && account != 0 && isOneOf(account, taxes.provincial)) provincial += reduce(d, i, percent);
    }
    if (receivable.isZero() && federal.isZero() && provincial.isZero()) return result;

    const auto place = [&](int row, int account, Money amount, bool inDebit) {
        d.setAccount(row, account, {});
        if (inDebit) d.setDebit(row, amount);
        else d.setCredit(row, amount);
    };
    place(kHoldbackRow, accounts.receivable, receivable, *debitSide);
    if (onTaxes) {
        place(kHoldbackRow + 1, *accounts.federalTax, federal, !*debitSide);
        place(kHoldbackRow + 2, *accounts.provincialTax, provincial, !*debitSide);
    }
    const int sign = *debitSide ? 1 : -1;
    return {HoldbackResult::Applied, sign > 0 ? receivable : -receivable, sign > 0 ? federal : -federal,
            sign > 0 ? provincial : -provincial};
}

}  // namespace orvant
