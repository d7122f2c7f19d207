#include "books/holdback.h"

#include <algorithm>

namespace orvant {

namespace {

enum class Kind { Other, Receivable, Federal, Provincial };

Kind kindOf(int account, const HoldbackTaxAccounts& taxes, const ControlAccountTable& receivables)
{
    if (account == 0) return Kind::Other;
    if (account == taxes.federal) return Kind::Federal;
    if (std::find(taxes.provincial.begin(), taxes.provincial.end(), account) != taxes.provincial.end()) return Kind::Provincial;
    return receivables.isControlAccount(account) ? Kind::Receivable : Kind::Other;
}

// The row's amount in whichever column holds it; a row without a positive amount has none.
Money amountOf(const DistributionRow& row)
{
    return (row.debit > Money() ? row.debit : Money()) + (row.credit > Money() ? row.credit : Money());
}

// part × whole / total, rounded once to cents; total is positive.
Money share(Money part, Money whole, Money total)
{
    const Int128 product = static_cast<Int128>(part.raw()) * whole.raw();
    return Money::fromCents(divideRounded(product, static_cast<Int128>(total.raw()) * Money::kCent));
}

// The rows of one kind with an amount, in order.
std::vector<int> rowsOf(const Distribution& d, Kind kind, const HoldbackTaxAccounts& taxes, const ControlAccountTable& receivables)
{
    std::vector<int> rows;
    for (int i = 0; i < d.rowCount(); ++i)
        if (amountOf(d.row(i)) > Money() && kindOf(d.row(i).account, taxes, receivables) == kind) rows.push_back(i);
    return rows;
}

// Takes `target` off the rows in proportion to their amounts (which add up to `total`), each row
// in its own column; the running shares are rounded, so the cuts add up to the target exactly.
// Returns what was taken, positive from debits and negative from credits.
Money takeOff(Distribution& d, const std::vector<int>& rows, Money target, Money total)
{
    Money taken, running, sharedSoFar;
    for (const int i : rows) {
        const DistributionRow& row = d.row(i);
        running += amountOf(row);
        const Money upTo = share(target, running, total);
        const Money cut = upTo - sharedSoFar;
        sharedSoFar = upTo;
        if (row.debit > Money()) {
            d.setDebit(i, row.debit - cut);
            taken += cut;
        } else {
            d.setCredit(i, row.credit - cut);
            taken -= cut;
        }
    }
    return taken;
}

struct Targets {
    Money receivable, federal, provincial;
    bool none() const { return receivable.isZero() && federal.isZero() && provincial.isZero(); }
};

// What each kind of row gives up. An amount is held back to the cent: with the taxes held back
// too it is the net's part, so the receivable gives up the amount and the taxes' parts.
Targets targetsOf(const HoldbackAnswer& answer, const HoldbackBasis& basis, Money base, bool onTaxes)
{
    if (!answer.amount) {
        const double p = answer.percent;
        if (!onTaxes) return {basis.receivable.percent(p), {}, {}};
        return {basis.receivable.percent(p), basis.federalTax.percent(p), basis.provincialTax.percent(p)};
    }
    const Money amount = RoundMoney(*answer.amount);
    if (!onTaxes) return {share(amount, basis.receivable, base), {}, {}};
    Targets t{{}, share(amount, basis.federalTax, base), share(amount, basis.provincialTax, base)};
    t.receivable = amount + t.federal + t.provincial;
    return t;
}

// The receivable rows' side (true: debit), or nothing when they are on both.
std::optional<bool> receivableSideIsDebit(const Distribution& d, const std::vector<int>& rows)
{
    const auto isDebit = [&](int i) { return d.row(i).debit > Money(); };
    const auto debits = std::count_if(rows.begin(), rows.end(), isDebit);
    if (debits != 0 && debits != static_cast<std::ptrdiff_t>(rows.size())) return std::nullopt;
    return debits != 0;
}

}  // namespace

HoldbackBasis HoldbackBasisOf(const Distribution& d, const HoldbackTaxAccounts& taxes, const ControlAccountTable& receivables)
{
    HoldbackBasis basis;
    for (const DistributionRow& row : d.rows()) {
        switch (kindOf(row.account, taxes, receivables)) {
        case Kind::Federal: basis.federalTax += amountOf(row); break;
        case Kind::Provincial: basis.provincialTax += amountOf(row); break;
        case Kind::Receivable: basis.receivable += amountOf(row); break;
        case Kind::Other: break;
        }
    }
    return basis;
}

Money HoldbackBase(const HoldbackBasis& basis, HoldbackChoice choice)
{
    return choice == HoldbackChoice::HoldbackOnTaxes ? basis.net() : basis.receivable;
}

HoldbackResult ApplyHoldback(Distribution& d, const HoldbackAnswer& answer, const HoldbackAccounts& accounts,
                             const HoldbackTaxAccounts& taxes, const ControlAccountTable& receivables)
{
    if (!answer.holdsBack()) return {};
    const std::vector<int> receivableRows = rowsOf(d, Kind::Receivable, taxes, receivables);
    const std::optional<bool> debitSide = receivableSideIsDebit(d, receivableRows);
    if (!debitSide) return {HoldbackResult::BothSides, {}, {}, {}};
    const HoldbackBasis basis = HoldbackBasisOf(d, taxes, receivables);
    const Money base = HoldbackBase(basis, answer.choice);
    if (base <= Money()) return {HoldbackResult::NoBase, {}, {}, {}};
    if (answer.amount ? *answer.amount > base : answer.percent > 100) return {HoldbackResult::TooMuch, {}, {}, {}};
    // Both tax holdback accounts are needed to hold the taxes back; else only the receivable.
    const bool onTaxes = answer.choice == HoldbackChoice::HoldbackOnTaxes && accounts.federalTax && accounts.provincialTax;
    const Targets targets = targetsOf(answer, basis, base, onTaxes);
    if (targets.none()) return {};

    const Money receivable = takeOff(d, receivableRows, targets.receivable, basis.receivable);
    Money federal, provincial;
    if (onTaxes) {
        federal = takeOff(d, rowsOf(d, Kind::Federal, taxes, receivables), targets.federal, basis.federalTax);
        provincial = takeOff(d, rowsOf(d, Kind::Provincial, taxes, receivables), targets.provincial, basis.provincialTax);
    }
    // Each holdback row takes what its rows gave up, in the column they gave it from.
    const auto place = [&](int row, int account, Money taken) {
        d.setAccount(row, account, {});
        if (taken > Money()) d.setDebit(row, taken);
        else d.setCredit(row, -taken);
    };
    place(kHoldbackRow, accounts.receivable, receivable);
    if (onTaxes) {
        place(kHoldbackRow + 1, *accounts.federalTax, federal);
        place(kHoldbackRow + 2, *accounts.provincialTax, provincial);
    }
    return {HoldbackResult::Applied, receivable, -federal, -provincial};
}

}  // namespace orvant
