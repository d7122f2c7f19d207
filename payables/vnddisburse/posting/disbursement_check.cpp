#include "disbursement_check.h"

#include <algorithm>

#include "books/document_texts.h"

namespace orvant::disbursements {

namespace {

std::optional<Refusal> checkTexts(const DisbursementDocument& disbursement)
{
    if (HoldsControlCharacter(disbursement.supplier)) return Refusal{kControlCharacter, DisbursementField::Supplier};
    if (HoldsControlCharacter(disbursement.reference)) return Refusal{kControlCharacter, DisbursementField::Reference};
    if (HoldsControlCharacter(disbursement.memo, true)) return Refusal{kControlCharacter, DisbursementField::Memo};
    for (int i = 0; i < disbursement.rows.rowCount(); ++i)
        if (HoldsControlCharacter(disbursement.rows.row(i).description)) return Refusal{kControlCharacter, DisbursementField::RowAccount, i};
    return std::nullopt;
}

std::optional<Refusal> checkRow(DisbursementBooks& books, const DisbursementDocument& disbursement,
                                const std::optional<SupplierFacts>& supplier, int i)
{
    const DistributionRow& row = disbursement.rows.row(i);
    if (row.debit.isNegative()) return Refusal{kNegativeAmount, DisbursementField::RowDebit, i};
    if (row.credit.isNegative()) return Refusal{kNegativeAmount, DisbursementField::RowCredit, i};
    if (!row.debit.isZero() && !row.credit.isZero()) return Refusal{kDebitAndCredit, DisbursementField::RowDebit, i};
    if (!WithinBooks(row.debit) || !WithinBooks(row.credit)) return Refusal{kBeyondBooksLimit, DisbursementField::RowDebit, i};
    const bool hasAmount = !row.debit.isZero() || !row.credit.isZero();
    if (row.account != 0 && !books.accountExists(row.account)) return Refusal{kNoSuchAccount, DisbursementField::RowAccount, i};
    if (row.account == 0 && hasAmount) return Refusal{kNoSuchAccount, DisbursementField::RowAccount, i};
    // The supplier's ledger is of its own currency: another currency's payable would move a
    // balance no ledger entry explains.
    if (supplier && hasAmount && books.payables().isControlAccount(row.account) &&
        books.payables().accountFor(supplier->currency) != row.account)
        return Refusal{kOtherCurrencyPayable, DisbursementField::RowAccount, i};
    return std::nullopt;
}

// A disbursement not to a supplier owes nothing to anybody: it may not move a payable account.
std::optional<Refusal> checkWithoutSupplier(DisbursementBooks& books, const DisbursementDocument& disbursement)
{
    for (int i = 0; i < disbursement.rows.rowCount(); ++i) {
        const DistributionRow& row = disbursement.rows.row(i);
        if (row.postsAmount() && books.payables().isControlAccount(row.account))
            return Refusal{kPayableWithoutSupplier, DisbursementField::RowAccount, i};
    }
    return std::nullopt;
}

std::optional<Refusal> checkPayments(const DisbursementDocument& disbursement)
{
    Money applied;
    for (std::size_t i = 0; i < disbursement.items.size(); ++i) {
        if (auto refusal = CheckPayment(disbursement.items[i], static_cast<int>(i))) return refusal;
        applied += disbursement.items[i].payment;
        if (!WithinBooks(disbursement.items[i].payment) || !WithinBooks(applied))
            return Refusal{kBeyondBooksLimit, DisbursementField::OpenItem, static_cast<int>(i)};
    }
    return std::nullopt;
}

bool anythingToPost(const DisbursementDocument& disbursement)
{
    const auto& rows = disbursement.rows.rows();
    const bool amounts = std::any_of(rows.begin(), rows.end(), [](const DistributionRow& r) { return r.postsAmount(); });
    const auto& items = disbursement.items;
    const bool payments = std::any_of(items.begin(), items.end(), [](const OpenItem& item) { return !item.payment.isZero(); });
    return amounts || (disbursement.toSupplier() && payments);
}

}  // namespace

std::optional<Refusal> CheckPayment(const OpenItem& item, int index)
{
    if (PaymentFits(item)) return std::nullopt;
    return Refusal{kHoldbackPaymentRefused, DisbursementField::OpenItem, index};
}

std::optional<Refusal> CheckDisbursement(DisbursementBooks& books, const DisbursementDocument& disbursement,
                                         const std::function<bool()>& wantsMemo)
{
    // A code with a control character is refused before it is looked for.
    const bool lookedFor = disbursement.toSupplier() && !HoldsControlCharacter(disbursement.supplier);
    return CheckDisbursement(books, disbursement, lookedFor ? books.findSupplier(disbursement.supplier) : std::nullopt, wantsMemo);
}

std::optional<Refusal> CheckDisbursement(DisbursementBooks& books, const DisbursementDocument& disbursement,
                                         const std::optional<SupplierFacts>& supplier, const std::function<bool()>& wantsMemo)
{
    if (auto refusal = checkTexts(disbursement)) return refusal;
    if (disbursement.reference.empty()) return Refusal{kEnterReference, DisbursementField::Reference};
    if (disbursement.notToSupplier && disbursement.memo.find_first_not_of(" \t\r\n") == std::string::npos && wantsMemo && wantsMemo())
        return Refusal{kAskForMemo, DisbursementField::Memo};
    if (disbursement.toSupplier() && !supplier) return Refusal{kNoSuchSupplier, DisbursementField::Supplier};
    DistributionTotals totals;
    for (int i = 0; i < disbursement.rows.rowCount(); ++i) {
        if (auto refusal = checkRow(books, disbursement, supplier, i)) return refusal;
        totals.debit += disbursement.rows.row(i).debit;
        totals.credit += disbursement.rows.row(i).credit;
    }
    if (!WithinBooks(totals.debit) || !WithinBooks(totals.credit)) return Refusal{kBeyondBooksLimit, DisbursementField::Totals};
    if (!totals.balanced()) return Refusal{kOutOfBalance, DisbursementField::Totals};
    if (disbursement.notToSupplier) {
        if (auto refusal = checkWithoutSupplier(books, disbursement)) return refusal;
    } else if (auto refusal = checkPayments(disbursement)) {
        return refusal;
    }
    if (!anythingToPost(disbursement)) return Refusal{kNothingToPost, DisbursementField::Totals};
    return std::nullopt;
}

}  // namespace orvant::disbursements
